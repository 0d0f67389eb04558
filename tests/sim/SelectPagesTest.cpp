// The first wizard pages on simulated machines: choosing what to edit, the list of supported
// printers, the driver page's case rules, and applying a printer (driver, catalogue, version,
// print mode, the local catalogue copy).
#include <gtest/gtest.h>

#include "color/CColorDataMng.h"
#include "gamma/CGammaDataMng.h"

#include <string>
#include <vector>

#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/IWizardSheet.h"
#include "launch/TextFormat.h"
#include "pages/CSelectDriverPage.h"
#include "pages/CSelectEditPage.h"
#include "resources/resource.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/TestWizard.h"

using fw::headless::WindowView;

namespace {

const char kFolder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";
const char kModel[] = "TvColour 500";
const char kOtherModel[] = "TvColour 700";
const char kForeign[] = "Foreign Laser";
const char kCatalogue[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\TVCCM.INI";
const char kLocalCopy[] = "C:\\Host\\Tintora\\TvColour 500\\TVCCM.INI";
constexpr UINT kEndTemplate = 9401;

// A page that only ends the sequence.
class SelectPages : public ::testing::Test {
protected:
    void SetUp() override {
        machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini",
                          "[CCMVer10]\r\nModule=TVCM10.DLL\r\nPrintMode=EMF_INTERNAL\r\n");
        AddModel(kModel, "TVC500.CAP", "10");
        AddModel(kOtherModel, "TVC700.CAP", "99");  // a version "Tavrel.ini" does not know
        SimDriver foreign;
        foreign.name = kForeign;
        foreign.driverPath = std::string(kFolder) + "foreign.dll";
        machine.AddDriver(foreign);
        AddPrinter("Office Colour", kModel);
        AddPrinter("Foreign", kForeign);
        AddPrinter("Lab Colour", kOtherModel);
        AddPrinter("Hall Colour", kModel);
        machine.WriteFile(kCatalogue, "[Config]\r\nUpDate=1\r\n[Settings]\r\nDriver=1\r\n");
        endTemplate.Add(1, FW_CLASS_STATIC, SS_LEFT, 5, 5, 50, 10);
    }

    void AddModel(const std::string& driver, const std::string& capName, const std::string& version) {
        SimDriver record;
        record.name = driver;
        record.driverPath = std::string(kFolder) + "tvdrv.dll";
        record.dependentFiles = {"tvdata.bin", capName};
        machine.AddDriver(record);
        machine.WriteFile(std::string(kFolder) + capName,
                          "[Capability]\r\n" + driver + "=Model\r\n[Model]\r\nCCMVersion=" + version +
                              "\r\nCCMInfoFile=TVCCM.INI\r\n");
    }

    void AddPrinter(const std::string& name, const std::string& driver) {
        SimPrinter printer;
        printer.name = name;
        printer.driver = driver;
        machine.AddPrinter(printer);
    }

    // Runs the wizard from the select-edit page with user's steps; the sheet's result.
    INT_PTR RunWizard() {
        CSelectEditPage edit(&info);
        CSelectDriverPage driver(&info);
        TemplatePage end(kEndTemplate, endTemplate.Get());
        // As the main sheet does: the select-edit page first, the rest by edit type.
        TestWizard wizard({&edit});
        wizard.sequenceHook = [&](TestWizard& sheet, int) {
            while (sheet.GetPageCount() > 1) sheet.RemovePage(1);
            sheet.AddPage(&driver);
            sheet.AddPage(&end);
        };
        const INT_PTR result = wizard.RunWithDialogLibrary();
        sequences = wizard.sequences;
        titles = wizard.titles;
        return result;
    }

    SimMachine machine;
    CUtilityInfo info;
    DialogTemplateBuilder endTemplate{317, 193, WS_CHILD | WS_CAPTION};
    std::vector<int> sequences;
    std::vector<UINT> titles;
};

}  // namespace

TEST_F(SelectPages, OnlySupportedPrintersAreListedInSpoolerOrder) {
    machine.Apply();
    CSelectDriverPage page(&info);
    ASSERT_EQ(page.GetSupportedPrinterCount(), 2);
    EXPECT_EQ(page.GetSupportedPrinters().GetAt(0), "Office Colour");
    EXPECT_EQ(page.GetSupportedPrinters().GetAt(1), "Hall Colour");
}

TEST_F(SelectPages, ChoosingATaskSetsTheEditTypeAndTheSequence) {
    machine.Apply();
    CStrRes strings;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SELECT_EDIT_PAGE);
            EXPECT_TRUE(view.Control(IDC_SELECTEDIT_COLOR_RADIO).checked());
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_DESCRIPTION).text, strings.Load(IDS_SELECTEDIT_COLOR_DESCRIPTION));
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_COLOR_RADIO).text, strings.Load(IDS_SELECTEDIT_COLOR_OPTION));
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_MANAGE_GROUP).text, strings.Load(IDS_SELECTEDIT_MANAGE_GROUP));
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_GAMMA_PICTURE).bitmapId, IDB_TASK_GAMMA);
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_SELECT_EDIT));
            EXPECT_FALSE(view.buttons.back.enabled);
            EXPECT_TRUE(view.buttons.next.enabled);
            EXPECT_EQ(info.editType, 1);
        })
        .Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Inspect([&](const WindowView& view) {
            EXPECT_TRUE(view.Control(IDC_SELECTEDIT_GAMMA_RADIO).checked());
            EXPECT_FALSE(view.Control(IDC_SELECTEDIT_COLOR_RADIO).checked());
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_DESCRIPTION).text, strings.Load(IDS_SELECTEDIT_GAMMA_DESCRIPTION));
            EXPECT_EQ(info.editType, 2);
        })
        .Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SELECT_DRIVER_PAGE);
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_SELECT_DRIVER));
            EXPECT_EQ(view.Control(IDC_DRIVER_INSTRUCTION).text, strings.Load(IDS_DRIVER_INSTRUCTION_GAMMA));
            EXPECT_EQ(view.Control(IDC_DRIVER_NOTE).text, strings.Load(IDS_DRIVER_NOTE_GAMMA));
            EXPECT_EQ(view.Control(IDC_DRIVER_LIST).items, (std::vector<std::string>{"Office Colour", "Hall Colour"}));
            EXPECT_EQ(view.Control(IDC_DRIVER_LIST).selection, 0);
            EXPECT_EQ(view.Control(IDC_DRIVER_PICTURE).bitmapId, IDB_SIDE_PICTURE);
            EXPECT_TRUE(view.buttons.back.enabled);
        })
        .Back()
        .Inspect([&](const WindowView& view) {
            // The earlier choice is kept, not forced back to colour.
            EXPECT_TRUE(view.Control(IDC_SELECTEDIT_GAMMA_RADIO).checked());
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_DESCRIPTION).text, strings.Load(IDS_SELECTEDIT_GAMMA_DESCRIPTION));
        })
        .Click(IDC_SELECTEDIT_EXCHANGE_RADIO)
        .Click(IDC_SELECTEDIT_EXCHANGE_RADIO)  // already checked: still sets its description and type
        .Inspect([&](const WindowView& view) {
            EXPECT_TRUE(view.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).checked());
            EXPECT_FALSE(view.Control(IDC_SELECTEDIT_GAMMA_RADIO).checked());
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_DESCRIPTION).text, strings.Load(IDS_SELECTEDIT_EXCHANGE_DESCRIPTION));
            EXPECT_EQ(info.editType, 3);
        })
        .Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_DRIVER_INSTRUCTION).text, strings.Load(IDS_DRIVER_INSTRUCTION_EXCHANGE));
            EXPECT_EQ(view.Control(IDC_DRIVER_NOTE).text, strings.Load(IDS_DRIVER_NOTE_EXCHANGE));
        })
        .Cancel()
        .Answer(IDOK);
    EXPECT_EQ(RunWizard(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(sequences, (std::vector<int>{2, 3}));
    EXPECT_EQ(titles.front(), IDS_TITLE_SELECT_EDIT);
}

TEST_F(SelectPages, TheListsSpellingOfTheNameIsAppliedAsANewPrinter) {
    machine.Apply();
    info.printerName = "hall colour";
    info.editType = 1;
    ScriptedUser user;
    user.Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_DRIVER_LIST).selectedText(), "Hall Colour"); })
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.printerName, "Hall Colour");
            EXPECT_EQ(info.driverName, kModel);
            EXPECT_EQ(info.reloadNeeded, 1);
            info.reloadNeeded = 0;
        })
        .Back()
        .Back()
        .Click(IDC_SELECTEDIT_EXCHANGE_RADIO)
        .Next()
        .Next()  // the same printer again, setting exchange: nothing to reload
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.reloadNeeded, 0);
            info.driverName = "untouched";
        })
        .Back()
        .Back()
        .Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Next()
        .Next()  // the same printer, gamma: reload, but no new resolution
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.reloadNeeded, 1);
            EXPECT_EQ(info.driverName, "untouched");
        })
        .Cancel();  // on the end page, which does not ask
    EXPECT_EQ(RunWizard(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    for (const std::string& refusal : user.Refusals()) ADD_FAILURE() << refusal;
}

TEST_F(SelectPages, ApplyingAPrinterResolvesItsDriverAndCatalogue) {
    SimDriver older;
    older.name = kModel;
    older.version = 2;
    older.driverPath = "C:\\Windows\\System32\\spool\\drivers\\x64\\2\\tvdrv.dll";
    machine.AddDriver(older);
    machine.Apply();
    CSelectDriverPage page(&info);
    info.printerName = "Office Colour";
    info.driverFolders.Add("stale");
    page.ApplyPrinter();
    EXPECT_EQ(info.driverName, kModel);
    EXPECT_EQ(info.driverCatalogPath, kCatalogue);
    EXPECT_EQ(info.ccmVersion, "10");
    EXPECT_EQ(info.printMode, "EMF_INTERNAL");
    EXPECT_EQ(info.localCatalogPath, kLocalCopy);
    EXPECT_TRUE(machine.Exists("C:\\Host\\Tintora\\TvColour 500"));
    EXPECT_EQ(info.catalogRestored, 0);
    ASSERT_EQ(info.driverFolders.GetSize(), 1);
    EXPECT_EQ(info.driverFolders.GetAt(0), "C:\\Windows\\System32\\spool\\drivers\\x64\\2\\");
}

TEST_F(SelectPages, AnUnknownPrinterLeavesEverythingEmpty) {
    machine.Apply();
    CSelectDriverPage page(&info);
    info.printerName = "Nowhere";
    page.ApplyPrinter();
    EXPECT_EQ(info.driverName, "");
    EXPECT_EQ(info.driverCatalogPath, "");
    EXPECT_EQ(info.ccmVersion, "");
    EXPECT_EQ(info.printMode, "");
    EXPECT_EQ(info.localCatalogPath, "");
    EXPECT_EQ(info.catalogRestored, 0);
}

TEST_F(SelectPages, ALocalCopyRestoresACatalogueWithoutTheUpdateMark) {
    const std::string fresh = "[Settings]\r\nDriver=1\r\n";
    const std::string saved = "[Config]\r\nUpDate=1\r\n[Settings]\r\nMine=5\r\n";
    machine.WriteFile(kCatalogue, fresh);
    machine.WriteFile(kLocalCopy, saved);
    machine.Apply();
    CSelectDriverPage page(&info);
    info.printerName = "Office Colour";
    page.ApplyPrinter();
    EXPECT_EQ(info.catalogRestored, 1);
    EXPECT_EQ(machine.ReadFile(kCatalogue), saved);

    // Marked now: a second application leaves it alone.
    machine.WriteFile(kLocalCopy, fresh);
    page.ApplyPrinter();
    EXPECT_EQ(info.catalogRestored, 0);
    EXPECT_EQ(machine.ReadFile(kCatalogue), saved);
}

TEST_F(SelectPages, WithoutALocalCopyNothingIsRestored) {
    const std::string fresh = "[Config]\r\nUpDate=\r\n";
    machine.WriteFile(kCatalogue, fresh);
    machine.Apply();
    CSelectDriverPage page(&info);
    info.printerName = "Office Colour";
    page.ApplyPrinter();
    EXPECT_EQ(info.catalogRestored, 0);
    EXPECT_EQ(machine.ReadFile(kCatalogue), fresh);
}

TEST_F(SelectPages, AFailedRestoreIsSaidAndNotReportedAsRestored) {
    machine.WriteFile(kCatalogue, "[Settings]\r\n");
    machine.Apply();
    // The local copy is a folder: it exists, but cannot be copied.
    machine.WriteFile(std::string(kLocalCopy) + "\\inner.txt", "x");
    CSelectDriverPage page(&info);
    info.printerName = "Office Colour";
    MessageBoxRecorder boxes;
    page.ApplyPrinter();
    EXPECT_EQ(info.catalogRestored, 0);
    EXPECT_EQ(machine.ReadFile(kCatalogue), "[Settings]\r\n");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(CStrRes().Load(IDS_ERR_CATALOG_NOT_RESTORED), "TVCCM.INI"));
    EXPECT_EQ(boxes.Last().style & 0xF0u, static_cast<UINT>(MB_ICONHAND));
}
