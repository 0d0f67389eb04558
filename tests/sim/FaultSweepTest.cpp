// Every operation that changes stored settings, run with the disk failing at each of its writes
// in turn (and with the disk filling up): a colour save, a gamma save over a stored setting,
// an import, a deletion and a catalogue restore. Whatever write fails, every file the
// utility and the driver keep is left as it was, no success notice is shown and the user
// is told. The clean run of each operation fixes how many writes there are to fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "platform/posix/Simulation.h"
#include "resources/resource.h"
#include "sim/SettingSweep.h"
#include "support/FullTable.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

namespace {

using namespace sweep;

// What one run left: every file the utility and the driver keep, and the message boxes shown.
struct Outcome {
    Files files;
    std::vector<std::string> boxTexts;
    std::vector<UINT> boxStyles;
    DWORD writes = 0;
};

class FaultSweep : public ::testing::Test {
protected:
    // A fresh machine with the stored settings, then op with the fault switch set just before it.
    Outcome RunOnce(const sweep::Setup& setup, const Operation& op, DWORD failAt, unsigned long long diskFull)
    {
        Outcome outcome;
        SimMachine machine;
        const SimPrinterModel model = SimPrinterModel::Emf();
        CUtilityInfo info = LayOut(machine, model, setup);
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
        outcome.files = Snapshot(machine);
        return outcome;
    }

    // The previous versions kept beside replaced files are no part of what is compared.
    static Files Kept(const Outcome& outcome) { return sweep::Kept(outcome.files); }

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
            EXPECT_EQ(path.find("Transaction.jnl"), std::string::npos) << path;
        }
    }

    // Runs op clean, then with each of its writes failing, then on disks that fill up.
    // successNotice: a text only a successful run shows ("" when the operation has none).
    // Returns the number of fault positions tried.
    int Sweep(const sweep::Setup& setup, const Operation& op, const std::string& successNotice,
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
        return FileAt(outcome.files, windowsPath);
    }
};

TEST_F(FaultSweep, AColourSaveUnderANewName)
{
    const std::string notice = FormatText(CStrRes().Load(IDS_MSG_SETTING_SAVED), "Bright");
    const int tried = Sweep(
        {},
        SaveNewColour,
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
        OverwriteGamma,
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
    Sweep(
        PutTwoSettingFile,
        ImportTwo,
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
        DeleteSoft,
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
    Sweep(
        FreshDriverCatalog,
        Restore,
        std::string(),
        [](const Outcome&, const Outcome& after) {
            const SimPrinterModel model = SimPrinterModel::Emf();
            EXPECT_EQ(Catalog(after, model.CatalogPath()), Catalog(after, model.LocalCatalogPath()));
        });
}

}  // namespace
