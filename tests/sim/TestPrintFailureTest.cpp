// Test and sample prints that fail, on every page that prints: each failure of the printer, the
// spooler or the page file reaches the user as a message, the short "sent to the printer"
// notice never follows it, nothing half-made is printed, and the temporary setting of an
// XPS-driver print is gone again, leaving the driver catalogue as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "color/CCcmTables.h"
#include "color/CColorPalettePage.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaPage.h"
#include "launch/CStrRes.h"
#include "pages/CSettingSelectPage.h"
#include "platform/posix/Simulation.h"
#include "resources/resource.h"
#include "storage/CDataMngBase.h"
#include "storage/CFileAcc.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"
#include "support/ThrownId.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"
#include "testprint/CTemporaryTestSetting.h"
#include "testprint/CTestPrint.h"

using fw::headless::WindowView;

namespace {

constexpr UINT kEdgeTemplate = 9651;

std::string Text(UINT id) { return CStrRes().Load(id); }

// The page whose print button is pressed.
enum class Printing { colourTest, gammaTest, sample };

const char* NameOf(Printing printing)
{
    switch (printing) {
    case Printing::colourTest: return "ColourTest";
    case Printing::gammaTest: return "GammaTest";
    case Printing::sample: return "Sample";
    }
    return "?";
}

std::string ParamName(const ::testing::TestParamInfo<Printing>& param) { return NameOf(param.param); }

class TestPrintFailureTest : public ::testing::Test {
protected:
    void Install(SimPrinterModel printerModel, const std::string& catalog = {})
    {
        model = std::move(printerModel);
        model.Install(machine, catalog);
        info = model.Info();
        edge.Add(1, FW_CLASS_STATIC, SS_LEFT, 5, 5, 50, 10);
    }

    // Runs the page of printing in a small wizard, presses its print button, watches the screen
    // for a while and cancels.
    void PrintOnce(Printing printing)
    {
        std::unique_ptr<CPropertyPage> page;
        UINT button = 0;
        switch (printing) {
        case Printing::colourTest:
            info.editType = 1;
            info.reloadNeeded = 1;
            info.selectedSettingName = Text(IDS_DEFAULT_ENTRY);
            page = std::make_unique<CColorPalettePage>(&info);
            button = IDC_PALETTE_TESTPRINT_BUTTON;
            break;
        case Printing::gammaTest:
            info.editType = 2;
            info.reloadNeeded = 1;
            info.selectedSettingName = "Vivid";
            info.defaultSettingNumber = 1;
            page = std::make_unique<CGammaPage>(&info);
            button = IDC_GAMMA_TESTPRINT_BUTTON;
            break;
        case Printing::sample:
            page = std::make_unique<CSettingSelectPage>(&info);
            button = IDC_COLORSELECT_SAMPLE_BUTTON;
            break;
        }
        TemplatePage before(kEdgeTemplate, edge.Get());
        TemplatePage after(kEdgeTemplate + 1, edge.Get());
        std::vector<CPropertyPage*> pages{page.get(), &after};
        if (printing != Printing::sample) pages.insert(pages.begin(), &before);
        TestWizard wizard(pages);
        if (printing == Printing::colourTest) wizard.colourSource = &static_cast<CColorPalettePage*>(page.get())->GetDataMng();

        ScriptedUser user;
        if (printing != Printing::sample) user.Next();
        user.Do([this](auto&) {
            catalogBefore = machine.ReadFile(model.CatalogPath());
            if (beforePrint) beforePrint();
        });
        user.Click(button);
        // The notice would show within half a second and stay for 300 ms; the XPS dialog gives
        // up on a job it never sees after 30 s.
        for (int tick = 0; tick < 40; ++tick) {
            user.Inspect([this](const WindowView& view) {
                    if (view.kind == WindowView::Kind::Dialog) dialogTitles.push_back(view.title);
                })
                .Wait(100);
        }
        user.Cancel();
        wizard.RunWithDialogLibrary();
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }

    // The boxes of the print, without the question that Cancel asks.
    std::vector<std::string> Reports() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes()) {
            if (box.text != Text(IDS_QUESTION_CANCEL)) texts.push_back(box.text);
        }
        return texts;
    }

    // The lines of the catalogue's colour and gamma sections.
    static std::string SettingSections(const std::string& catalog)
    {
        std::string kept;
        bool keep = false;
        size_t at = 0;
        while (at < catalog.size()) {
            size_t end = catalog.find('\n', at);
            end = end == std::string::npos ? catalog.size() : end + 1;
            const std::string line = catalog.substr(at, end - at);
            if (!line.empty() && line[0] == '[') keep = line.rfind("[Color]", 0) == 0 || line.rfind("[Gamma]", 0) == 0;
            if (keep) kept += line;
            at = end;
        }
        return kept;
    }

    bool NoticeShown() const
    {
        for (const std::string& title : dialogTitles) {
            if (title == Text(IDS_PRINTMSG_TITLE)) return true;
        }
        return false;
    }

    SimMachine machine;
    SimPrinterModel model;
    CUtilityInfo info;
    MessageBoxRecorder boxes;
    DialogTemplateBuilder edge{317, 193, WS_CHILD | WS_CAPTION};
    std::string catalogBefore;  // as the print found it
    std::function<void()> beforePrint;
    std::vector<std::string> dialogTitles;
};

// ---- Printer and spooler faults on metafile prints --------------------------------------------

struct SpoolerFault {
    Printing printing;
    SimPrinterModel model;
    std::string fault;  // the simulated printer's fault
};

void PrintTo(const SpoolerFault& c, std::ostream* out)
{
    *out << NameOf(c.printing) << " " << c.model.printMode << " " << c.fault;
}

class SpoolerFaultTest : public TestPrintFailureTest, public ::testing::WithParamInterface<SpoolerFault> {};

std::vector<SpoolerFault> SpoolerFaults()
{
    std::vector<SpoolerFault> cases;
    for (Printing printing : {Printing::colourTest, Printing::gammaTest, Printing::sample}) {
        for (const SimPrinterModel& model :
             {SimPrinterModel::Emf(), SimPrinterModel::EmfInternal(), SimPrinterModel::EmfInternalXps()}) {
            for (const char* fault : {"CreateDC", "StartDoc", "PrinterInfo"}) cases.push_back({printing, model, fault});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Pages, SpoolerFaultTest, ::testing::ValuesIn(SpoolerFaults()));

TEST_P(SpoolerFaultTest, IsReportedWithoutTheNoticeAndLeavesTheCatalogueAsItWas)
{
    SimPrinterModel printerModel = GetParam().model;
    printerModel.faults = GetParam().fault;
    Install(printerModel);
    PrintOnce(GetParam().printing);

    EXPECT_EQ(Reports(), std::vector<std::string>{Text(IDS_ERR_PRINT_FAILED)});
    EXPECT_FALSE(NoticeShown());
    EXPECT_TRUE(machine.Jobs().empty());
    // The profile an "EMF" print was about to use is removed when the wizard ends; the settings
    // are as the print found them.
    EXPECT_EQ(SettingSections(machine.ReadFile(model.CatalogPath())), SettingSections(catalogBefore));
}

// ---- A page file that cannot be read ----------------------------------------------------------

class PageReadFaultTest : public TestPrintFailureTest, public ::testing::WithParamInterface<Printing> {};

INSTANTIATE_TEST_SUITE_P(Pages, PageReadFaultTest,
                         ::testing::Values(Printing::colourTest, Printing::gammaTest, Printing::sample), ParamName);

TEST_P(PageReadFaultTest, FailsTheRawJobInsteadOfSendingWhatWasNotRead)
{
    Install(SimPrinterModel::Raw331());
    const char* key = GetParam() == Printing::colourTest ? "ColorTestFile"
                      : GetParam() == Printing::gammaTest ? "GammaTestFile" : "SampleFile";
    SimMachineSetReadFault(model.TestFile(key).c_str());
    PrintOnce(GetParam());

    EXPECT_EQ(Reports(), std::vector<std::string>{Text(IDS_ERR_FILE_ACCESS)});
    ASSERT_EQ(machine.Jobs().size(), 1u);
    EXPECT_EQ(machine.Jobs().front().state, "aborted");
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
}

TEST_F(TestPrintFailureTest, RawReadOfAFileThatFailsToReadIsAnError)
{
    Install(SimPrinterModel::Raw330());
    const std::string page = model.TestFile("SampleFile");
    CFileAcc file(page);
    file.OpenRead();
    std::string buffer(file.GetLength(), 'x');
    SimMachineSetReadFault(page.c_str());
    EXPECT_EQ(ThrownId([&] { file.Read(buffer.data(), static_cast<DWORD>(buffer.size())); }), IDS_ERR_FILE_ACCESS);
    file.Close();
    SimMachineSetReadFault(nullptr);
    file.OpenRead();
    EXPECT_EQ(ThrownId([&] { file.Read(buffer.data(), static_cast<DWORD>(buffer.size())); }), 0);
    // More than the file holds: the bytes that are not there are not made up.
    std::string longer(buffer.size() + 1, 'x');
    file.Close();
    file.OpenRead();
    EXPECT_EQ(ThrownId([&] { file.Read(longer.data(), static_cast<DWORD>(longer.size())); }), IDS_ERR_FILE_ACCESS);
    file.Close();
}

// ---- The print classes themselves ------------------------------------------------------------

TEST_F(TestPrintFailureTest, EveryMetafileFamilyRaisesWhatTheSpoolerRefuses)
{
    for (const char* fault : {"CreateDC", "StartDoc", "PrinterInfo"}) {
        SCOPED_TRACE(fault);
        SimPrinterModel printerModel = SimPrinterModel::EmfInternalXps();
        printerModel.faults = fault;
        Install(printerModel);
        const std::string page = model.TestFile("SampleFile");
        auto print = [&](CEmfPrintBase& family) {
            family.SetPrinterName(model.printer);
            family.OpenPrinterData();
            family.PrintPage(page, model.version, CEmfPrintBase::kindSample, nullptr, nullptr, 0);
        };
        CEmfPrint emf;
        CEmfInternalNT nt;
        CEmfInternal9x nine;
        EXPECT_EQ(ThrownId([&] { print(emf); }), IDS_ERR_PRINT_FAILED);
        EXPECT_EQ(ThrownId([&] { print(nt); }), IDS_ERR_PRINT_FAILED);
        EXPECT_EQ(ThrownId([&] { print(nine); }), IDS_ERR_PRINT_FAILED);
        CEmfInternalXPS xps;
        EXPECT_EQ(ThrownId([&] {
                      xps.SetPrinterName(model.printer);
                      xps.OpenPrinterData();
                      xps.PrintPage(page, model.version, CEmfPrintBase::kindTestTables, nullptr, nullptr, 0,
                                    CEmfInternalXPS::tableTypeColor, 1);
                  }),
                  IDS_ERR_PRINT_FAILED);
        EXPECT_TRUE(machine.Jobs().empty());
    }
}

// ---- The temporary setting of XPS-driver test prints -------------------------------------------

class TemporarySettingTest : public TestPrintFailureTest, public ::testing::WithParamInterface<Printing> {
protected:
    void InstallXps(const std::string& catalog = {})
    {
        SimPrinterModel xps = SimPrinterModel::EmfInternalXps();
        xps.finishJobs = "never";
        Install(xps, catalog);
    }
    std::string Section() const { return GetParam() == Printing::colourTest ? "Color" : "Gamma"; }
};

INSTANTIATE_TEST_SUITE_P(Pages, TemporarySettingTest, ::testing::Values(Printing::colourTest, Printing::gammaTest),
                         ParamName);

TEST_P(TemporarySettingTest, ACatalogueThatTakesNoEntryStopsThePrint)
{
    InstallXps();
    // The driver's folder refuses changes from the moment the button is pressed: the page's
    // activation has writes of its own.
    const std::string folder = machine.HostPath(SimPrinterModel::DriverFolder());
    beforePrint = [&folder] { ASSERT_EQ(chmod(folder.c_str(), 0555), 0); };
    PrintOnce(GetParam());
    chmod(folder.c_str(), 0755);

    EXPECT_EQ(Reports(), std::vector<std::string>{CmyException(IDS_ERR_SETTING_NOT_STORED, model.CatalogPath()).GetMessage()});
    EXPECT_TRUE(machine.Jobs().empty()) << "the print would have named another setting's identifier";
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
}

TEST_P(TemporarySettingTest, AFullCatalogueIsReportedAndNamesNoOtherSetting)
{
    std::string full = "[" + Section() + "]\r\nSettingNum=61\r\n";
    for (int id = 0; id <= 60; ++id) {
        const std::string n = std::to_string(id);
        full += "SettingID" + n + "=" + n + "\r\nSettingName" + n + "=S" + n + "\r\n";
    }
    InstallXps(full);
    PrintOnce(GetParam());

    EXPECT_EQ(Reports(), std::vector<std::string>{Text(IDS_ERR_CATALOG_FULL)});
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), full);
}

// ---- The temporary setting on its own ----------------------------------------------------------

class TemporaryEntryTest : public TestPrintFailureTest {
protected:
    void SetUp() override
    {
        Install(SimPrinterModel::EmfInternalXps(),
                "[Color]\r\nSettingNum=1\r\nSettingID0=3\r\nSettingName3=Warm\r\nCCMNT3=00\r\nCCMNV3=00\r\n"
                "[Gamma]\r\nSettingNum=0\r\n");
        catalogBefore = machine.ReadFile(model.CatalogPath());
    }

    std::string Value(const std::string& key) const
    {
        char value[256] = {};
        GetPrivateProfileStringA("Color", key.c_str(), "", value, sizeof value, model.CatalogPath().c_str());
        return value;
    }

    // Writes two one-byte tables under the name, as a data manager would.
    void WriteTables(const std::string& name)
    {
        const std::string id = Value("SettingID1");
        ASSERT_EQ(Value("SettingName" + id), name);
        WritePrivateProfileStringA("Color", ("CCMNT" + id).c_str(), "AB", model.CatalogPath().c_str());
        WritePrivateProfileStringA("Color", ("CCMNV" + id).c_str(), "CD", model.CatalogPath().c_str());
    }

    void RemoveTables(const std::string& name)
    {
        removed.push_back(name);
        const std::string id = Value("SettingID1");
        WritePrivateProfileStringA("Color", ("CCMNT" + id).c_str(), nullptr, model.CatalogPath().c_str());
        WritePrivateProfileStringA("Color", ("CCMNV" + id).c_str(), nullptr, model.CatalogPath().c_str());
    }

    std::vector<std::string> removed;
};

TEST_F(TemporaryEntryTest, LivesFromMakeToRemoveUnderItsOwnIdentifier)
{
    {
        CTemporaryTestSetting temporary(
            CDataMngBase::kindColor, [this](const std::string& name) { WriteTables(name); },
            [this](const std::string& name) { RemoveTables(name); });
        const DWORD id = temporary.Make(info);
        EXPECT_TRUE(temporary.IsMade());
        EXPECT_EQ(temporary.GetName(), "testprint");
        EXPECT_NE(id, 3u) << "the identifier of another setting";
        EXPECT_EQ(Value("SettingName" + std::to_string(id)), "testprint");
        temporary.Remove();
        temporary.Remove();
        EXPECT_FALSE(temporary.IsMade());
        EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);

        // Made again and left: the owner going away removes it.
        temporary.Make(info);
    }
    EXPECT_EQ(removed, (std::vector<std::string>{"testprint", "testprint"}));
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
}

TEST_F(TemporaryEntryTest, TablesThatFailOrAreMissingLeaveTheCatalogueAsItWas)
{
    CTemporaryTestSetting failing(
        CDataMngBase::kindColor, [](const std::string&) { throw CmyException(IDS_ERR_MODULE_FAILED); }, nullptr);
    EXPECT_EQ(ThrownId([&] { failing.Make(info); }), IDS_ERR_MODULE_FAILED);
    EXPECT_FALSE(failing.IsMade());
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);

    CTemporaryTestSetting silent(CDataMngBase::kindColor, [](const std::string&) {}, nullptr);
    EXPECT_EQ(ThrownId([&] { silent.Make(info); }), IDS_ERR_SETTING_NOT_STORED);
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
}

TEST_F(TemporaryEntryTest, TheEntryGoesEvenWhenItsTablesCannot)
{
    CTemporaryTestSetting temporary(
        CDataMngBase::kindColor, [this](const std::string& name) { WriteTables(name); },
        [](const std::string&) { throw CmyException(IDS_ERR_FILE_ACCESS); });
    const DWORD id = temporary.Make(info);
    temporary.Remove();
    EXPECT_EQ(Value("SettingNum"), "1");
    EXPECT_EQ(Value("SettingName" + std::to_string(id)), "");
}

TEST_F(TemporaryEntryTest, AnXpsPrintWhoseDialogCannotBeShownTakesItsEntryAlong)
{
    machine.RemoveLibraries();  // no dialog library
    CTemporaryTestSetting temporary(
        CDataMngBase::kindColor, [this](const std::string& name) { WriteTables(name); },
        [this](const std::string& name) { RemoveTables(name); });
    CCcmTables tables;
    tables.Allocate(228);
    EXPECT_EQ(ThrownId([&] { CTestPrint(info, nullptr).PrintColorTest(tables, temporary); }), IDS_ERR_PRINT_FAILED);
    // Gone at once, not only when the page goes.
    EXPECT_FALSE(temporary.IsMade());
    EXPECT_EQ(removed, std::vector<std::string>{"testprint"});
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
    EXPECT_TRUE(machine.Jobs().empty());
}

}  // namespace
