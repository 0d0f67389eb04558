// The colour palette page in a small wizard on simulated machines: loading on activation and the
// reload rules, editing patches through the input dialog with the marks that follow, revert,
// and the test print in every print mode, compared with the same print made directly.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "color/CCcmTables.h"
#include "color/CColorModule.h"
#include "color/CColorPalettePage.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaDataMng.h"
#include "gamma/CIccModule.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/IWizardSheet.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniAcc.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"

using fw::headless::WindowView;

namespace {

constexpr UINT kBefore = 9641;
constexpr UINT kAfter = 9642;
constexpr int kPatch = 9;  // default (2, 20); hue steps 35 ... 5, strength 15 ... 24

using Steps = std::vector<std::string>;

POINT Centre(int index) { return {6 + (index % 8) * 36 + 15, 15 + (index / 8) * 45 + 15}; }

std::string Ini(const std::string& path, const std::string& section, const std::string& key)
{
    char value[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, path.c_str());
    return value;
}

class ColorPalettePageTest : public ::testing::Test {
protected:
    void Install(const SimPrinterModel& printerModel, const std::string& catalog = {})
    {
        model = printerModel;
        model.Install(machine, catalog);
        info = model.Info();
        info.editType = 1;
        info.reloadNeeded = 1;
        info.selectedSettingName = strings.Load(IDS_DEFAULT_ENTRY);
    }

    // A user setting "Mine" with patch 9 at (4, 18), stored as the save page stores it.
    void StoreUserSetting()
    {
        info.selectedSettingName = "Mine";
        CColorDataMng manager;
        manager.SetUtilityInfo(info);
        manager.LoadDefaultData();
        manager.UseDefaults();
        manager.GetCurrent().SetValue(kPatch, 4, 18, 1);
        ASSERT_EQ(manager.SaveCCM("Mine", 0, ""), 1);
        stored = manager.GetCurrent();
        info.userSettingSelected = 1;
    }

    INT_PTR Run()
    {
        page = std::make_unique<CColorPalettePage>(&info);
        TemplatePage before(kBefore, beforeTemplate.Get());
        TemplatePage after(kAfter, afterTemplate.Get());
        TestWizard wizard({&before, page.get(), &after});
        wizard.colourSource = &page->GetDataMng();
        const INT_PTR result = wizard.RunWithDialogLibrary();
        titles = wizard.titles;
        return result;
    }

    static std::pair<int, int> Default(const CColorDataMng& manager, int index)
    {
        int x = -1, y = -1;
        manager.GetDefault().GetValue(index, x, y);
        return {x, y};
    }

    std::pair<int, int> Current(int index) const
    {
        int x = -1, y = -1;
        page->GetCurrentData().GetValue(index, x, y);
        return {x, y};
    }

    // Opens the input dialog of a patch and chooses x and y in it.
    static void Choose(ScriptedUser& user, int index, const std::string& x, const std::string& y)
    {
        user.ClickAt(IDC_PALETTE, Centre(index).x, Centre(index).y)
            .Select(IDC_COLORINPUT_HUE_LIST, x)
            .Select(IDC_COLORINPUT_STRENGTH_LIST, y)
            .Click(IDC_COLORINPUT_OK_BUTTON);
    }

    // The tables the page must print for "Mine".
    void ExpectedTables(CCcmTables& tables) const
    {
        CColorDataMng manager;
        manager.SetUtilityInfo(info);
        tables.Allocate(manager.ReadCCM("Mine", nullptr, nullptr));
        manager.ReadCCM("Mine", tables.T(), tables.V());
        CColorModule module(info.ccmVersion);
        module.SetColorData(stored, 0);
        tables.Compute(module, 1);
    }

    SimMachine machine;
    SimPrinterModel model;
    CUtilityInfo info;
    CColorData stored;
    CStrRes strings;
    std::unique_ptr<CColorPalettePage> page;
    std::vector<UINT> titles;
    DialogTemplateBuilder beforeTemplate{317, 193, WS_CHILD | WS_CAPTION};
    DialogTemplateBuilder afterTemplate{317, 193, WS_CHILD | WS_CAPTION};
};

}  // namespace

TEST_F(ColorPalettePageTest, ActivationLoadsTheDefaultsAndMarksThePatches)
{
    Install(SimPrinterModel::Emf());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE);
            EXPECT_TRUE(view.buttons.back.enabled);
            EXPECT_TRUE(view.buttons.next.enabled);
            EXPECT_EQ(view.Control(IDC_PALETTE_TESTPRINT_NOTE).text, strings.Load(IDS_PALETTE_TESTPRINT_NOTE));
            EXPECT_EQ(view.Control(IDC_PALETTE_LEGEND).text, strings.Load(IDS_PALETTE_LEGEND));
            EXPECT_EQ(view.Control(IDC_PALETTE_INSTRUCTION).text, strings.Load(IDS_PALETTE_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_PALETTE_TESTPRINT_BUTTON).text, strings.Load(IDS_BUTTON_PALETTE_TEST_PRINT));
            EXPECT_EQ(view.Control(IDC_PALETTE_UNDO_BUTTON).text, strings.Load(IDS_BUTTON_UNDO_CHANGES));
            EXPECT_EQ(info.reloadNeeded, 0);
            EXPECT_TRUE(page->GetCurrentData().IsEqual(page->GetDataMng().GetDefault()));
            EXPECT_EQ(Current(kPatch), std::make_pair(2, 20));
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).left, 42);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).enabled, 1);
            EXPECT_EQ(CColorPalette::GetPatch(0).enabled, 0);  // black is not adjusted
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 0);
        })
        .ClickAt(IDC_PALETTE, Centre(0).x, Centre(0).y)  // crossed out: opens nothing
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE); })
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    for (const std::string& refusal : user.Refusals()) ADD_FAILURE() << refusal;
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, strings.Load(IDS_QUESTION_CANCEL));
    EXPECT_EQ(titles, (std::vector<UINT>{IDS_TITLE_COLOR_PALETTE}));
}

TEST_F(ColorPalettePageTest, EditsFollowTheDialogAndSurviveUntilAReloadIsAsked)
{
    Install(SimPrinterModel::EmfInternal());
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDCANCEL);
    ScriptedUser user;
    user.Next()
        .ClickAt(IDC_PALETTE, Centre(kPatch).x, Centre(kPatch).y)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_INPUT_DIALOG);
            EXPECT_EQ(view.Control(IDC_COLORINPUT_HUE_LIST).items, (Steps{"35", "0", "1", "2", "3", "4", "5"}));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_HUE_LIST).selectedText(), "2");
            EXPECT_EQ(view.Control(IDC_COLORINPUT_STRENGTH_LIST).selectedText(), "20");
            EXPECT_EQ(view.Control(IDC_COLORINPUT_DEFAULT_HUE).text, "2");
            EXPECT_EQ(CWnd::GetCapture(), nullptr);
        })
        .Select(IDC_COLORINPUT_HUE_LIST, "4")
        .Select(IDC_COLORINPUT_STRENGTH_LIST, "18")
        .Click(IDC_COLORINPUT_OK_BUTTON)
        .Do([&](auto&) {
            EXPECT_EQ(Current(kPatch), std::make_pair(4, 18));
            int x = 0, y = 0, edited = 0;
            page->GetDataMng().GetCurrent().GetValue(kPatch, x, y, &edited);
            EXPECT_EQ(std::vector<int>({x, y, edited}), std::vector<int>({4, 18, 1}));
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 1);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 1);
            EXPECT_EQ(page->GetPalette().GetHighlighted(), -1);
        })
        .Cancel()  // answered Cancel: the wizard stays
        .ClickAt(IDC_PALETTE, Centre(kPatch).x, Centre(kPatch).y)
        .Click(IDC_COLORINPUT_CANCEL_BUTTON)  // the same value again: no mark changes
        .Do([&](auto&) {
            EXPECT_EQ(Current(kPatch), std::make_pair(4, 18));
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 1);
        })
        .Next()
        .Do([&](auto&) { EXPECT_EQ(info.dataSaved, 0); })
        .Back()
        .Do([&](auto&) { EXPECT_EQ(Current(kPatch), std::make_pair(4, 18)); });
    Choose(user, kPatch, "2", "20");  // the printer default, which is also the stored value
    user.Do([&](auto&) {
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 0);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 0);
            int x = 0, y = 0, edited = -1;
            page->GetCurrentData().GetValue(kPatch, x, y, &edited);
            EXPECT_EQ(edited, 0);
        });
    Choose(user, 10, "3", "5");
    user.Back()
        .Do([&](auto&) { info.reloadNeeded = 1; })
        .Next()
        .Do([&](auto&) {
            EXPECT_TRUE(page->GetCurrentData().IsEqual(page->GetDataMng().GetDefault()));
            EXPECT_EQ(CColorPalette::GetPatch(10).changed, 0);
            EXPECT_EQ(info.reloadNeeded, 0);
        })
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    for (const std::string& refusal : user.Refusals()) ADD_FAILURE() << refusal;
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, strings.Load(IDS_QUESTION_CANCEL_UNSAVED));
    EXPECT_EQ(boxes.Boxes()[1].text, strings.Load(IDS_QUESTION_CANCEL));
}

TEST_F(ColorPalettePageTest, UserSettingLoadsItsValuesAndRevertAsksFirst)
{
    Install(SimPrinterModel::Raw330());
    StoreUserSetting();
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDNO);
    boxes.QueueAnswer(IDYES);
    ScriptedUser user;
    user.Next().Do([&](auto&) {
        EXPECT_EQ(Current(kPatch), std::make_pair(4, 18));
        EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 1);
        EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 0);
    });
    Choose(user, kPatch, "2", "20");
    user.Do([&](auto&) {
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 0);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 1);  // differs from the stored value
        })
        .Click(IDC_PALETTE_UNDO_BUTTON)
        .Do([&](auto&) { EXPECT_EQ(Current(kPatch), std::make_pair(2, 20)); })
        .Click(IDC_PALETTE_UNDO_BUTTON)
        .Do([&](auto&) {
            EXPECT_EQ(Current(kPatch), std::make_pair(4, 18));
            EXPECT_EQ(page->GetDataMng().IsUnchanged(), 1);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 1);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).bold, 0);
        })
        .Next()
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_EQ(info.dataSaved, 1);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, strings.Load(IDS_QUESTION_UNDO_CHANGES));
    EXPECT_EQ(boxes.Boxes()[0].caption, strings.Load(IDS_CAPTION_WARNING));
    EXPECT_EQ(boxes.Boxes()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
}

TEST_F(ColorPalettePageTest, AStoredPatchAwayFromItsDefaultInOneValueIsMarkedChanged)
{
    Install(SimPrinterModel::Raw330());
    info.selectedSettingName = "Mine";
    CColorDataMng manager;
    manager.SetUtilityInfo(info);
    manager.LoadDefaultData();
    manager.UseDefaults();
    manager.GetCurrent().SetValue(kPatch, 3, 20, 1);      // default (2, 20): the hue step alone
    manager.GetCurrent().SetValue(kPatch + 1, Default(manager, kPatch + 1).first,
                                  Default(manager, kPatch + 1).second - 1, 1);  // the strength alone
    ASSERT_EQ(manager.SaveCCM("Mine", 0, ""), 1);
    info.userSettingSelected = 1;
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next()
        .Do([&](auto&) {
            EXPECT_EQ(Current(kPatch), std::make_pair(3, 20));
            EXPECT_EQ(CColorPalette::GetPatch(kPatch).changed, 1);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch + 1).changed, 1);
            EXPECT_EQ(CColorPalette::GetPatch(kPatch + 2).changed, 0);
        })
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
}

// ---- Test prints ---------------------------------------------------------------------------------

// A printer command appended to both stored tables, as a hostile setting file brought it before
// the import checked table lengths: the entry is damaged and its bytes never reach the printer.
TEST_F(ColorPalettePageTest, AStoredSettingWithLongerTablesIsRefusedAsDamaged)
{
    Install(SimPrinterModel::Raw331());
    StoreUserSetting();
    std::string injected;
    for (unsigned char c : std::string("\x1B%-12345X@PJL SET COPIES=999")) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", c);
        injected += pair;
    }
    CCtrlMng catalog;
    catalog.SetFile(model.CatalogPath(), 1);
    std::string t, v;
    catalog.GetTables("Mine", t, v);
    ASSERT_TRUE(catalog.SetTables("Mine", t + injected, v + injected));
    const std::string before = machine.ReadFile(model.CatalogPath());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next().Click(IDC_PALETTE_TESTPRINT_BUTTON).Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_TRUE(machine.Jobs().empty());
    ASSERT_GE(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes().front().text, strings.Load(IDS_ERR_FILE_ACCESS));
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), before);
}


class ColorPalettePrintTest : public ColorPalettePageTest, public ::testing::WithParamInterface<SimPrinterModel> {};

TEST_P(ColorPalettePrintTest, PrintsTheUserSettingsTablesTheWayTheModelPrints)
{
    SimPrinterModel printerModel = GetParam();
    printerModel.finishJobs = "never";
    Install(printerModel);
    StoreUserSetting();
    const std::string testPath = model.TestFile("ColorTestFile");
    const std::string catalog = model.CatalogPath();
    std::string temporaryId;
    std::string profile;
    std::string printedProfile;
    std::vector<UINT> dialogs;
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next().Click(IDC_PALETTE_TESTPRINT_BUTTON);
    for (int tick = 0; tick < 6; ++tick) {
        user.Inspect([&](const WindowView& view) {
                if (view.kind == WindowView::Kind::Dialog && (dialogs.empty() || dialogs.back() != view.templateId))
                    dialogs.push_back(view.templateId);
            })
            .Do([&](auto&) {
                if (machine.Jobs().empty()) return;
                // The page's profile goes when the wizard is cancelled: keep what was printed with.
                if (model.printMode == "EMF" && profile.empty()) {
                    profile = Ini(catalog, "Temporary", "ICCData");
                    printedProfile = machine.ReadFile(profile);
                }
                if (model.printMode == "EMF_INTERNAL_XPS" && temporaryId.empty()) {
                    temporaryId = Ini(catalog, "Color", "SettingID1");
                    EXPECT_EQ(Ini(catalog, "Color", "SettingName" + temporaryId), "testprint");
                    EXPECT_FALSE(Ini(catalog, "Color", "CCMNT" + temporaryId).empty());
                    EXPECT_EQ(page->IsTemporarySettingActive(), 1);
                    machine.FinishJob(machine.Jobs().front().id);
                }
            })
            .Wait(300);
    }
    user.Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    // Only the cancel question.
    for (const auto& box : boxes.Boxes()) EXPECT_EQ(box.text, strings.Load(IDS_QUESTION_CANCEL));

    CCcmTables tables;
    ExpectedTables(tables);
    const DWORD size = static_cast<DWORD>(tables.GetSize());
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    const SimJob job = jobs.front();
    machine.ClearJobs();
    if (model.printMode == "EMF") {
        // Progress, then the notice in the same template.
        EXPECT_EQ(dialogs, (std::vector<UINT>{IDD_PRINT_MESSAGE_DIALOG}));
        ASSERT_EQ(job.plays.size(), 1u);
        EXPECT_EQ(job.plays[0].metafile, testPath);
        ASSERT_FALSE(profile.empty());
        ASSERT_FALSE(printedProfile.empty());
        CEmfPrint print;
        print.SetPrinterName(model.printer);
        print.OpenPrinterData();
        CIccModule icc(info.ccmVersion);
        icc.SetNames(info.driverName, info.printerName);
        icc.MakeTemporaryProfile(print.GetDeviceMode(), tables.T(), catalog);
        EXPECT_EQ(printedProfile, machine.ReadFile(profile)) << "the profile holds the setting's T table";
    } else if (model.printMode == "EMF_INTERNAL") {
        EXPECT_EQ(dialogs, (std::vector<UINT>{IDD_PRINT_MESSAGE_DIALOG}));  // the printing notice
        CEmfInternalNT print;
        print.SetPrinterName(model.printer);
        print.OpenPrinterData();
        print.PrintPage(testPath, info.ccmVersion, 110, tables.T(), tables.V(), size);
        EXPECT_EQ(job.devMode, machine.Jobs().at(0).devMode);
    } else if (model.printMode == "EMF_INTERNAL_XPS") {
        EXPECT_EQ(dialogs, (std::vector<UINT>{IDD_TESTJOB_DIALOG}));
        ASSERT_FALSE(temporaryId.empty());
        EXPECT_EQ(Ini(catalog, "Color", "SettingNum"), "1");
        EXPECT_EQ(Ini(catalog, "Color", "SettingName" + temporaryId), "");
        EXPECT_EQ(Ini(catalog, "Color", "CCMNT" + temporaryId), "");
        EXPECT_EQ(page->IsTemporarySettingActive(), 0);
        CEmfInternalXPS print;
        print.SetPrinterName(model.printer);
        print.OpenPrinterData();
        print.PrintPage(testPath, info.ccmVersion, 110, tables.T(), tables.V(), size, CEmfInternalXPS::tableTypeColor,
                        static_cast<DWORD>(std::stoul(temporaryId)));
        EXPECT_EQ(job.devMode, machine.Jobs().at(0).devMode);
    } else {
        EXPECT_TRUE(dialogs.empty());
        CPrint print;
        print.SetPrinterName(model.printer);
        print.SendRawJob(info.ccmVersion, testPath, tables.T(), tables.V(), size);
        EXPECT_EQ(job.bytes, machine.Jobs().at(0).bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ColorPalettePrintTest,
                         ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::EmfInternal(),
                                           SimPrinterModel::EmfInternalXps(), SimPrinterModel::Raw331()));

TEST_F(ColorPalettePageTest, DefaultSettingPrintsOnTheWindows9xFamilyWithItsOwnLayout)
{
    machine.Set("OsVersion", "PlatformId", "1");
    machine.Set("OsVersion", "MajorVersion", "4");
    Install(SimPrinterModel::EmfInternal());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next();
    Choose(user, kPatch, "4", "18");
    user.Click(IDC_PALETTE_TESTPRINT_BUTTON).Wait(1500).Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    ASSERT_EQ(machine.Jobs().size(), 1u);
    const SimJob job = machine.Jobs().front();
    EXPECT_EQ(job.StartPages(), 1);
    machine.ClearJobs();

    CColorData edited = page->GetDataMng().GetDefault();
    edited.SetValue(kPatch, 4, 18, 1);
    CColorModule module(info.ccmVersion);
    module.SetColorData(edited, 0);
    CCcmTables tables;
    tables.Allocate(module.GetCCMSize());
    tables.Compute(module, 0);
    CEmfInternal9x print;
    print.SetPrinterName(model.printer);
    print.OpenPrinterData();
    print.PrintPage(model.TestFile("ColorTestFile"), info.ccmVersion, 110, tables.T(), tables.V(),
                    static_cast<DWORD>(tables.GetSize()));
    EXPECT_EQ(job.devMode, machine.Jobs().at(0).devMode);
}

TEST_F(ColorPalettePageTest, TemporaryNameAvoidsUsedNamesAndGoesWhenTheSessionEnds)
{
    SimPrinterModel xps = SimPrinterModel::EmfInternalXps();
    xps.finishJobs = "never";
    Install(xps, "[Color]\r\nSettingNum=1\r\nSettingID0=1\r\nSettingName1=testprint\r\n"
                 "[Gamma]\r\nSettingNum=1\r\nSettingID0=1\r\nSettingName1=testprint1\r\n");
    const std::string catalog = model.CatalogPath();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next()
        .Click(IDC_PALETTE_TESTPRINT_BUTTON)
        .Wait(700)
        .Do([&](auto&) {
            EXPECT_EQ(Ini(catalog, "Color", "SettingNum"), "2");
            EXPECT_EQ(Ini(catalog, "Color", "SettingName" + Ini(catalog, "Color", "SettingID1")), "testprint2");
            page->SendMessage(WM_ENDSESSION, FALSE, 0);  // the session goes on: the print still needs it
            EXPECT_EQ(page->IsTemporarySettingActive(), 1);
        })
        .EndSession()
        .Do([&](auto&) {
            EXPECT_EQ(page->IsTemporarySettingActive(), 0);
            EXPECT_EQ(Ini(catalog, "Color", "SettingNum"), "1");
            EXPECT_EQ(Ini(catalog, "Color", "SettingID1"), "");
        })
        .Wait(1000)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE); })
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    // The end of the print removes nothing a second time.
    EXPECT_EQ(Ini(catalog, "Color", "SettingNum"), "1");
    EXPECT_EQ(Ini(catalog, "Color", "SettingName1"), "testprint");
    EXPECT_EQ(machine.Jobs().front().state, "deleted");
}

TEST_F(ColorPalettePageTest, ASettingThatFailedToLoadCannotBeTakenFurther)
{
    Install(SimPrinterModel::Emf());
    StoreUserSetting();
    const std::string ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
    const std::string section = "CCMVer" + model.version;
    WritePrivateProfileStringA(section.c_str(), "Module", "MISSING.dll", ini.c_str());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.ExpectRefusals();
    user.Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE);
            EXPECT_EQ(boxes.Last().text, strings.Load(IDS_ERR_MODULE_FAILED));
            EXPECT_TRUE(view.buttons.back.enabled);
            EXPECT_FALSE(view.buttons.next.enabled);
        })
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE); })
        .Back()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, kBefore); })
        .Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_EQ(user.Refusals().size(), 1u);
}

TEST_F(ColorPalettePageTest, MissingTestPageIsReportedAndNothingIsPrinted)
{
    Install(SimPrinterModel::Raw330());
    const std::string ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "ColorTestFile", nullptr, ini.c_str());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Next().Click(IDC_PALETTE_TESTPRINT_BUTTON).Cancel();
    EXPECT_EQ(Run(), IDCANCEL);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, strings.Load(IDS_ERR_PAGE_NOT_FOUND));
    EXPECT_TRUE(machine.Jobs().empty());
}
