// Every operation that changes stored settings, run with the disk failing at each of its writes
// in turn (and with the disk filling up): a colour save, a gamma save over a stored setting,
// an import, a deletion and a catalogue restore. Whatever write fails, every file the
// utility and the driver keep is left as it was, no success notice is shown and the user
// is told. The clean run of each operation fixes how many writes there are to fail.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "color/CColorData.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "gamma/CGammaData.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "launch/CmyException.h"
#include "pages/CSaveSettingPage.h"
#include "pages/CSelectDriverPage.h"
#include "pages/CSettingEditPage.h"
#include "platform/posix/Simulation.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "support/FullTable.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"

namespace {

constexpr int kColour = 1;
constexpr int kGamma = 2;

// Two colour and two gamma settings with their profile keys, as a marked driver catalogue.
std::string StoredCatalog(const std::string& profileFolder)
{
    std::string text =
        "[Config]\r\nUpDate=1\r\n"
        "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingID1=0\r\nSettingName4=Warm\r\nSettingName0=Cool\r\n"
        "CCMNT4=" + FullTable("0A1B") + "\r\nCCMNV4=" + FullTable("FF00") + "\r\nCCMNT0=" + FullTable("1111") + "\r\nCCMNV0=" + FullTable("2222") + "\r\n";
    for (const char* key : {"01C4.ICB", "02C4.ICB", "03C4.ICB", "01C0.ICB", "02C0.ICB", "03C0.ICB"})
        text += std::string(key) + "=" + profileFolder + key + "\r\n";
    text += "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingID1=0\r\nSettingName2=Soft\r\nSettingName0=Dusk\r\n"
            "Soft=3\r\nDusk=1\r\nCCMNT2=" + FullTable("3333") + "\r\nCCMNV2=" + FullTable("4444") + "\r\nCCMNT0=" + FullTable("5555") + "\r\nCCMNV0=" + FullTable("6666") + "\r\n";
    for (const char* key : {"01G2.ICB", "02G2.ICB", "03G2.ICB", "01G0.ICB", "02G0.ICB", "03G0.ICB"})
        text += std::string(key) + "=" + profileFolder + key + "\r\n";
    return text;
}

// What one run left: every file below the watched folders, and the message boxes shown.
struct Outcome {
    std::map<std::string, std::string> files;
    std::vector<std::string> boxTexts;
    std::vector<UINT> boxStyles;
    DWORD writes = 0;
};

std::string HostBytes(const std::filesystem::path& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

class FaultSweep : public ::testing::Test {
protected:
    using Operation = std::function<void(SimMachine&, const SimPrinterModel&, CUtilityInfo&, MessageBoxRecorder&)>;
    using Setup = std::function<void(SimMachine&, const SimPrinterModel&)>;

    // A fresh machine with the stored settings, then op with the fault switch set just before it.
    Outcome RunOnce(const Setup& setup, const Operation& op, DWORD failAt, unsigned long long diskFull)
    {
        Outcome outcome;
        SimMachine machine;
        const SimPrinterModel model = SimPrinterModel::Emf();
        const std::string profileFolder = SimPrinterModel::DriverFolder() + model.driver + "\\";
        model.Install(machine, StoredCatalog(profileFolder));
        CUtilityInfo info = model.Info();
        machine.WriteFile(model.LocalCatalogPath(), machine.ReadFile(model.CatalogPath()));
        for (const char* file : {"UCD4.dat", "UCD0.dat", "UGD2.dat", "UGD0.dat"})
            machine.WriteFile(model.DataFolder() + file, std::string("data ") + file);
        for (const char* kind : {"C4", "C0", "G2", "G0"}) {
            for (const char* resolution : {"01", "02", "03"}) {
                const std::string profile = std::string(resolution) + kind + ".ICB";
                machine.WriteFile(model.DataFolder() + profile, "profile " + profile);
                machine.WriteFile(profileFolder + profile, "installed " + profile);
            }
        }
        if (setup) setup(machine, model);
        {
            MessageBoxRecorder boxes;
            SimMachineSetWriteFault(failAt, diskFull);
            op(machine, model, info, boxes);
            outcome.writes = SimMachineWriteCount();
            SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
            for (const auto& box : boxes.Boxes()) {
                outcome.boxTexts.push_back(box.text);
                outcome.boxStyles.push_back(box.style);
            }
        }
        for (const std::string& folder : {model.DataFolder(), SimPrinterModel::DriverFolder()}) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(machine.HostPath(folder))) {
                if (!entry.is_regular_file()) continue;
                outcome.files[entry.path().string().substr(machine.Root().size())] = HostBytes(entry.path());
            }
        }
        return outcome;
    }

    // The previous versions kept beside replaced files are no part of what is compared.
    static std::map<std::string, std::string> Kept(const Outcome& outcome)
    {
        std::map<std::string, std::string> kept;
        for (const auto& [path, bytes] : outcome.files) {
            if (path.size() < 5 || path.compare(path.size() - 5, 5, ".prev") != 0) kept[path] = bytes;
        }
        return kept;
    }

    static bool Shows(const Outcome& outcome, const std::string& text)
    {
        return std::find(outcome.boxTexts.begin(), outcome.boxTexts.end(), text) != outcome.boxTexts.end();
    }

    // A stop or exclamation box with only an OK button: a message, not a question.
    static bool ToldOfAFailure(const Outcome& outcome)
    {
        for (UINT style : outcome.boxStyles) {
            const UINT icon = style & 0xF0u;
            if ((style & 0x0Fu) == MB_OK && (icon == MB_ICONHAND || icon == MB_ICONEXCLAMATION)) return true;
        }
        return false;
    }

    static std::string Texts(const Outcome& outcome)
    {
        std::string texts;
        for (const std::string& text : outcome.boxTexts) texts += "[" + text + "] ";
        return texts;
    }

    static void ExpectNoWorkFilesLeft(const Outcome& outcome)
    {
        for (const auto& [path, bytes] : outcome.files) {
            EXPECT_EQ(path.find(".stage"), std::string::npos) << path;
            EXPECT_EQ(path.find(".~new"), std::string::npos) << path;
            EXPECT_FALSE(path.size() >= 4 && path.compare(path.size() - 4, 4, ".new") == 0) << path;
        }
    }

    // Runs op clean, then with each of its writes failing, then on disks that fill up.
    // successNotice: a text only a successful run shows ("" when the operation has none).
    // Returns the number of fault positions tried.
    int Sweep(const Setup& setup, const Operation& op, const std::string& successNotice,
              const std::function<void(const Outcome& before, const Outcome& after)>& checkClean)
    {
        const Outcome before = RunOnce(setup, [](SimMachine&, const SimPrinterModel&, CUtilityInfo&,
                                                 MessageBoxRecorder&) {}, 0, SIM_DISK_UNLIMITED);
        const Outcome clean = RunOnce(setup, op, 0, SIM_DISK_UNLIMITED);
        EXPECT_NE(Kept(clean), Kept(before)) << "the clean run changed nothing";
        EXPECT_FALSE(ToldOfAFailure(clean)) << Texts(clean);
        if (!successNotice.empty()) {
            EXPECT_TRUE(Shows(clean, successNotice));
        }
        ExpectNoWorkFilesLeft(clean);
        checkClean(before, clean);
        EXPECT_GT(clean.writes, 0u);

        int tried = 0;
        for (DWORD failing = 1; failing <= clean.writes; ++failing, ++tried) {
            SCOPED_TRACE("write " + std::to_string(failing) + " of " + std::to_string(clean.writes) + " failing");
            const Outcome faulted = RunOnce(setup, op, failing, SIM_DISK_UNLIMITED);
            EXPECT_TRUE(Kept(faulted) == Kept(before)) << "files changed";
            if (!successNotice.empty()) {
            EXPECT_FALSE(Shows(faulted, successNotice));
        }
            EXPECT_TRUE(ToldOfAFailure(faulted));
            ExpectNoWorkFilesLeft(faulted);
            if (::testing::Test::HasFailure()) break;  // one position's report is enough
        }
        // A disk that fills up part-way fails the write that does not fit, and every later one.
        for (unsigned long long space : {0ull, 100ull, 1000ull, 4000ull, 16000ull}) {
            SCOPED_TRACE("disk full after " + std::to_string(space) + " bytes");
            const Outcome full = RunOnce(setup, op, 0, space);
            ++tried;
            ExpectNoWorkFilesLeft(full);
            if (Kept(full) == Kept(clean) && !ToldOfAFailure(full)) continue;  // it fitted
            EXPECT_TRUE(Kept(full) == Kept(before)) << "files changed; " << Texts(full);
            if (!successNotice.empty()) {
            EXPECT_FALSE(Shows(full, successNotice));
        }
            EXPECT_TRUE(ToldOfAFailure(full));
        }
        std::printf("[ sweep    ] %d fault positions tried (%u writes in the clean run)\n", tried,
                    static_cast<unsigned>(clean.writes));
        return tried;
    }

    static std::string Catalog(const Outcome& outcome, const std::string& windowsPath)
    {
        // Files are keyed by host path below the machine root; match on the file's own tail.
        std::string tail = windowsPath.substr(windowsPath.find('\\'));
        std::replace(tail.begin(), tail.end(), '\\', '/');
        for (const auto& [path, bytes] : outcome.files) {
            if (path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
                return bytes;
        }
        return {};
    }

    // Runs the save page in a wizard of its own, as the editing pages leave the managers.
    static void RunSavePage(CUtilityInfo& info, int editType, ScriptedUser& user)
    {
        (void)user;
        CSaveSettingPage page(&info);
        TestWizard wizard({&page});
        CUtilityInfo managerInfo = info;
        wizard.colour.SetUtilityInfo(managerInfo);
        wizard.colour.LoadDefaultData();
        wizard.colour.UseDefaults();
        wizard.gamma.SetDriver(managerInfo);
        if (editType == kGamma) wizard.gamma.LoadDefaultSetting("Standard");
        wizard.gamma.SetGamma(1.7);
        wizard.RunWithDialogLibrary();
    }

    static INT_PTR RunEditPage(CUtilityInfo& info)
    {
        CDlgRes library;
        HMODULE previous = fw::SetResourceModule(library.GetModule());
        CSettingEditPage page(&info);
        CPropertySheet sheet;
        sheet.SetWizardMode();
        sheet.AddPage(&page);
        const INT_PTR result = sheet.DoModal();
        fw::SetResourceModule(previous);
        return result;
    }
};

TEST_F(FaultSweep, AColourSaveUnderANewName)
{
    const std::string notice = FormatText(CStrRes().Load(IDS_MSG_SETTING_SAVED), "Bright");
    const int tried = Sweep(
        {},
        [](SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&) {
            info.editType = kColour;
            info.selectedSettingName = CStrRes().Load(IDS_DEFAULT_ENTRY);
            ScriptedUser user;
            user.Type(IDC_SAVE_NAME_EDIT, "Bright").Click(IDC_SAVE_BUTTON).Wait(1000).Cancel();
            RunSavePage(info, kColour, user);
        },
        notice,
        [](const Outcome&, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            EXPECT_NE(Catalog(after, model.CatalogPath()).find("SettingName1=Bright"), std::string::npos);
            EXPECT_EQ(Catalog(after, model.LocalCatalogPath()), Catalog(after, model.CatalogPath()));
            EXPECT_NE(Catalog(after, model.DataFolder() + "01C1.ICB"), "");
        });
    EXPECT_GT(tried, 20);
}

TEST_F(FaultSweep, AGammaSaveOverAStoredSetting)
{
    const std::string notice = FormatText(CStrRes().Load(IDS_MSG_SETTING_SAVED), "Soft");
    Sweep(
        {},
        [](SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&) {
            info.editType = kGamma;
            info.selectedSettingName = "Soft";
            info.userSettingSelected = 1;
            ScriptedUser user;
            user.Type(IDC_SAVE_NAME_EDIT, "Soft")
                .Click(IDC_SAVE_BUTTON)
                .Click(IDC_SAVECHECK_OVERWRITE_BUTTON)
                .Wait(1000)
                .Cancel();
            RunSavePage(info, kGamma, user);
        },
        notice,
        [](const Outcome& before, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            EXPECT_EQ(Catalog(after, model.CatalogPath()).find("CCMNT2=" + FullTable("3333")), std::string::npos);
            EXPECT_NE(Catalog(after, model.DataFolder() + "UGD2.dat"), Catalog(before, model.DataFolder() + "UGD2.dat"));
            EXPECT_NE(Catalog(after, model.DataFolder() + "01G2.ICB"), Catalog(before, model.DataFolder() + "01G2.ICB"));
        });
}

TEST_F(FaultSweep, AnImportOfTwoSettings)
{
    const Setup setup = [](SimMachine& machine, const SimPrinterModel&) {
        machine.WriteFile("C:\\Exchange\\Two\\Two.ccm",
                          "[Config]\r\nUpDate=1\r\n[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Cool\r\n"
                          "CCMNT0=" + FullTable("ABCD") + "\r\nCCMNV0=" + FullTable("ABCD") + "\r\n01C0.ICB=x\r\n02C0.ICB=x\r\n03C0.ICB=x\r\n"
                          "[Gamma]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Night\r\nNight=2\r\n"
                          "CCMNT0=" + FullTable("0102") + "\r\nCCMNV0=" + FullTable("0304") + "\r\n01G0.ICB=x\r\n02G0.ICB=x\r\n03G0.ICB=x\r\n");
        for (const char* file : {"01C0.ICB", "02C0.ICB", "03C0.ICB", "01G0.ICB", "02G0.ICB", "03G0.ICB"})
            machine.WriteFile(std::string("C:\\Exchange\\Two\\") + file, std::string("imported ") + file);
        // Valid data files of each kind, made by the system's own writer.
        CColorData colour;
        CGammaData gamma;
        CFileAcc().SaveObject("C:\\Exchange\\Two\\", "UCD0.dat", &colour);
        CFileAcc().SaveObject("C:\\Exchange\\Two\\", "UGD0.dat", &gamma);
    };
    Sweep(
        setup,
        [](SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes) {
            boxes.QueueAnswer(IDOK);  // replace the stored "Cool"
            CSettingEditPage page(&info);
            CmyStringArray names;
            names.Add("Cool");
            names.Add("Night");
            try {
                page.ImportSettings(names, {kColour, kGamma}, "C:\\Exchange\\Two\\Two.ccm");
            } catch (const CmyException& e) {
                e.Report();
            }
        },
        std::string(),
        [](const Outcome&, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            const std::string catalog = Catalog(after, model.CatalogPath());
            EXPECT_NE(catalog.find("CCMNT0=" + FullTable("ABCD")), std::string::npos);
            EXPECT_NE(catalog.find("Night=2"), std::string::npos);
            EXPECT_EQ(Catalog(after, model.LocalCatalogPath()), catalog);
            EXPECT_NE(Catalog(after, model.DataFolder() + "UCD0.dat"), "data UCD0.dat");
            EXPECT_NE(Catalog(after, model.DataFolder() + "UGD1.dat"), "");
            EXPECT_EQ(Catalog(after, model.DataFolder() + "01C0.ICB"), "imported 01C0.ICB");
        });
}

TEST_F(FaultSweep, ADeletion)
{
    Sweep(
        {},
        [](SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes) {
            boxes.QueueAnswer(IDYES);
            ScriptedUser user;
            user.SelectIndex(IDC_EXCHANGE_LIST, 2)  // "Soft"
               .Click(IDC_EXCHANGE_DELETE_BUTTON).Finish();
            RunEditPage(info);
        },
        std::string(),
        [](const Outcome& before, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            const std::string catalog = Catalog(after, model.CatalogPath());
            EXPECT_EQ(catalog.find("Soft"), std::string::npos);
            EXPECT_EQ(catalog.find("01G2.ICB"), std::string::npos);
            EXPECT_EQ(Catalog(after, model.LocalCatalogPath()), catalog);
            EXPECT_EQ(Catalog(after, model.DataFolder() + "UGD2.dat"), "");
            EXPECT_EQ(Catalog(after, model.DataFolder() + "UCD4.dat"), Catalog(before, model.DataFolder() + "UCD4.dat"));
        });
}

TEST_F(FaultSweep, ACatalogueRestore)
{
    const Setup setup = [](SimMachine& machine, const SimPrinterModel& model) {
        machine.WriteFile(model.CatalogPath(), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
    };
    Sweep(
        setup,
        [](SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&) {
            CSelectDriverPage page(&info);
            page.ApplyPrinter();
        },
        std::string(),
        [](const Outcome&, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            EXPECT_EQ(Catalog(after, model.CatalogPath()), Catalog(after, model.LocalCatalogPath()));
        });
}

}  // namespace
