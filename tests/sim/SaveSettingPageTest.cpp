// The save-setting page inside a small wizard on simulated machines: the name checks against
// stored, gamma, colour and default names, the overwrite question and the name dialog, the save
// through the sheet's managers in "EMF" and raw mode, and a save that fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "color/CColorDataMng.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/IWizardSheet.h"
#include "launch/TextFormat.h"
#include "pages/CSaveSettingPage.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"

using fw::headless::WindowView;

namespace {

const std::string kCatalog =
    "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=Warm\r\nCCMNT4=0A1B\r\nCCMNV4=FF00\r\n"
    "[Gamma]\r\nSettingNum=1\r\nSettingID0=2\r\nSettingName2=Soft\r\nSoft=3\r\nCCMNT2=0A1B\r\nCCMNV2=FF00\r\n";

std::string Text(UINT id) { return CStrRes().Load(id); }

class SaveSettingPageTest : public ::testing::TestWithParam<SimPrinterModel> {
protected:
    void SetUp() override
    {
        model = GetParam();
        model.Install(machine, kCatalog);
        info = model.Info();
        info.dataSaved = 0;
        info.editType = 1;
        info.selectedSettingName = Text(IDS_DEFAULT_ENTRY);
        info.userSettingSelected = 0;
        managerInfo = info;
    }

    // Runs the wizard on the save page, with the managers as the editing pages leave them.
    void Run()
    {
        {
            CSaveSettingPage page(&info);
            TestWizard wizard({&page});
            wizard.colour.SetUtilityInfo(managerInfo);
            wizard.colour.LoadDefaultData();
            wizard.colour.UseDefaults();
            wizard.colour.AcceptCurrent();
            wizard.gamma.SetDriver(managerInfo);
            wizard.gamma.LoadDefaultSetting("Standard");
            wizard.gamma.CommitCurrent();
            wizard.gamma.SetGamma(wizard.gamma.GetStored().GetGamma() == 1.5 ? 1.6 : 1.5);  // an edit not yet saved
            wizard.RunWithDialogLibrary();
            gammaUnchanged = wizard.gamma.IsUnchanged();
        }
    }

    void ExpectScriptDone(const ScriptedUser& user)
    {
        EXPECT_TRUE(user.Finished()) << user.Remaining();
        for (const std::string& refusal : user.Refusals()) ADD_FAILURE() << refusal;
    }

    std::string IdOf(const std::string& catalog, int kind, const std::string& name) const
    {
        CCtrlMng ctrl;
        ctrl.SetFile(catalog, kind);
        return ctrl.GetIdByName(name);
    }
    std::string Value(const std::string& catalog, const char* section, const std::string& key) const
    {
        return CIniAcc(catalog).GetString(section, key);
    }
    // Box texts in order.
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes()) texts.push_back(box.text);
        return texts;
    }

    SimMachine machine;
    SimPrinterModel model;
    CUtilityInfo info;
    CUtilityInfo managerInfo;
    MessageBoxRecorder boxes;
    int gammaUnchanged = -1;
};

std::string ModelName(const ::testing::TestParamInfo<SimPrinterModel>& param)
{
    return param.param.printMode == "EMF" ? "Emf" : "Raw";
}

INSTANTIATE_TEST_SUITE_P(Modes, SaveSettingPageTest,
                         ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::Raw331()), ModelName);

}  // namespace

TEST_P(SaveSettingPageTest, ActivationFillsTheTextsAndTheStartingName)
{
    info.selectedSettingName = "Warm";
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_SETTING_PAGE);
            EXPECT_EQ(view.title, Text(IDS_TITLE_SAVE_SETTING));
            EXPECT_EQ(view.Control(IDC_SAVE_INSTRUCTION).text, Text(IDS_SAVE_INSTRUCTION_COLOR));
            EXPECT_EQ(view.Control(IDC_SAVE_GROUP).text, Text(IDS_SAVE_GROUP));
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_LABEL).text, Text(IDS_SAVE_NAME_LABEL));
            EXPECT_EQ(view.Control(IDC_SAVE_BUTTON).text, Text(IDS_BUTTON_SAVE));
            EXPECT_EQ(view.Control(IDC_SAVE_CLOSING_NOTE).text, Text(IDS_SAVE_CLOSING_NOTE));
            EXPECT_EQ(view.Control(IDC_SAVE_PICTURE).bitmapId, IDB_SIDE_PICTURE);
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).text, "Warm");
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).limit, 32u);
            EXPECT_TRUE(view.buttons.finish.visible);
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_TRUE(view.buttons.back.enabled);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, Text(IDS_QUESTION_CANCEL_UNSAVED));  // unsaved changes

    // Gamma, a default entry, nothing unsaved: the gamma text, an empty name, Finish.
    info.editType = 2;
    info.userSettingSelected = 0;
    info.dataSaved = 1;
    ScriptedUser gamma;
    gamma.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_SAVE_INSTRUCTION).text, Text(IDS_SAVE_INSTRUCTION_GAMMA));
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).text, "");
            EXPECT_TRUE(view.buttons.finish.enabled);
        })
        .Finish();
    Run();
    ExpectScriptDone(gamma);
}

TEST_P(SaveSettingPageTest, ANewColourNameIsSavedTrimmedEverywhere)
{
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "  Bright  ")
        .Click(IDC_SAVE_BUTTON)
        .Wait(1000)  // the profile dialog of an "EMF" model works from its timer
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_SETTING_PAGE);
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).text, "Bright");
            EXPECT_TRUE(view.buttons.finish.enabled);
        })
        .Finish();
    Run();
    ExpectScriptDone(user);

    ASSERT_EQ(boxes.Count(), 1u) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().text, FormatText(Text(IDS_MSG_SETTING_SAVED), "Bright"));
    EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_DONE));
    EXPECT_EQ(boxes.Last().style, 0x40u);
    EXPECT_NE(boxes.Last().owner, nullptr);
    EXPECT_EQ(info.dataSaved, 1);
    EXPECT_EQ(info.selectedSettingName, Text(IDS_DEFAULT_ENTRY));  // a save does not change the selection

    const std::string id = IdOf(info.driverCatalogPath, 1, "Bright");
    ASSERT_FALSE(id.empty());
    for (const std::string& catalog : {info.driverCatalogPath, info.localCatalogPath}) {
        SCOPED_TRACE(catalog);
        EXPECT_FALSE(Value(catalog, "Color", "CCMNT" + id).empty());
        EXPECT_FALSE(Value(catalog, "Color", "CCMNV" + id).empty());
        EXPECT_EQ(Value(catalog, "Color", "01C" + id + ".ICB").empty(), model.printMode != "EMF");
    }
    EXPECT_TRUE(machine.Exists(model.DataFolder() + "UCD" + id + ".dat"));
    EXPECT_TRUE(IdOf(info.driverCatalogPath, 2, "Bright").empty());
}

TEST_P(SaveSettingPageTest, AGammaSettingIsSavedThroughTheGammaManager)
{
    info.editType = 2;
    info.selectedSettingName = "Standard";
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_SAVE_INSTRUCTION).text, Text(IDS_SAVE_INSTRUCTION_GAMMA));
        })
        .Type(IDC_SAVE_NAME_EDIT, "Dusk")
        .Click(IDC_SAVE_BUTTON)
        .Wait(1000)
        .Finish();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().text, FormatText(Text(IDS_MSG_SETTING_SAVED), "Dusk"));
    EXPECT_EQ(gammaUnchanged, 1);  // the saved values are the stored ones now
    const std::string id = IdOf(info.driverCatalogPath, 2, "Dusk");
    ASSERT_FALSE(id.empty());
    EXPECT_FALSE(Value(info.driverCatalogPath, "Gamma", "CCMNT" + id).empty());
    EXPECT_FALSE(Value(info.localCatalogPath, "Gamma", "CCMNT" + id).empty());
    EXPECT_TRUE(machine.Exists(model.DataFolder() + "UGD" + id + ".dat"));
    EXPECT_TRUE(IdOf(info.driverCatalogPath, 1, "Dusk").empty());
}

TEST_P(SaveSettingPageTest, NamesOfOtherKindsAndDefaultsAreRefused)
{
    const std::string catalogBefore = machine.ReadFile(info.driverCatalogPath);
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "Soft")
        .Click(IDC_SAVE_BUTTON)
        .Type(IDC_SAVE_NAME_EDIT, "  " + Text(IDS_DEFAULT_ENTRY) + "  ")
        .Click(IDC_SAVE_BUTTON)
        .Type(IDC_SAVE_NAME_EDIT, "Vivid")
        .Click(IDC_SAVE_BUTTON)
        .Do([&](fw::headless::UserInput&) { info.editType = 2; })
        .Type(IDC_SAVE_NAME_EDIT, "Warm")
        .Click(IDC_SAVE_BUTTON)
        .Inspect([](const WindowView& view) { EXPECT_FALSE(view.buttons.finish.enabled); })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{FormatText(Text(IDS_ERR_NAME_OF_GAMMA_SETTING), "Soft"),
                                        FormatText(Text(IDS_ERR_NAME_OF_DEFAULT_SETTING), Text(IDS_DEFAULT_ENTRY)),
                                        FormatText(Text(IDS_ERR_NAME_OF_DEFAULT_SETTING), "Vivid"),
                                        FormatText(Text(IDS_ERR_NAME_OF_COLOR_SETTING), "Warm"),
                                        Text(IDS_QUESTION_CANCEL_UNSAVED)}));
    for (size_t i = 0; i + 1 < boxes.Count(); ++i) {  // the last one is the cancel question
        const auto& box = boxes.Boxes()[i];
        EXPECT_EQ(box.style, 0x30u);
        EXPECT_EQ(box.caption, Text(IDS_CAPTION_WARNING));
        EXPECT_NE(box.owner, nullptr);
    }
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), catalogBefore);
    EXPECT_EQ(info.dataSaved, 0);
}

TEST_P(SaveSettingPageTest, NamesThatReadAsCatalogueKeysAreRefusedOnThePageAndInTheNameDialog)
{
    info.editType = 2;
    info.selectedSettingName = "Standard";
    const std::string catalogBefore = machine.ReadFile(info.driverCatalogPath);
    // Names in a pair of quotes would read back without them.
    const std::vector<std::string> onPage = {"SettingNum", "settingid0", "SettingName2", "CCMNT2", "ccmnv2",
                                             "01g2.ICB",   "a=b",        "[Gamma",       "'Dusk'", "\"Dusk\""};
    const std::vector<std::string> inDialog = {";note", "03TMP.ICB", "''"};
    ScriptedUser user;
    for (const std::string& name : onPage) user.Type(IDC_SAVE_NAME_EDIT, name).Click(IDC_SAVE_BUTTON);
    user.Type(IDC_SAVE_NAME_EDIT, "").Click(IDC_SAVE_BUTTON);
    for (const std::string& name : inDialog) user.Type(IDC_SAVENAME_EDIT, name).Click(IDC_SAVENAME_OK_BUTTON);
    user.Click(IDC_SAVENAME_CANCEL_BUTTON).Cancel();
    Run();
    ExpectScriptDone(user);

    std::vector<std::string> expected;
    for (const std::string& name : onPage) expected.push_back(FormatText(Text(IDS_ERR_NAME_OF_DEFAULT_SETTING), name));
    for (const std::string& name : inDialog) expected.push_back(FormatText(Text(IDS_ERR_NAME_OF_DEFAULT_SETTING), name));
    expected.push_back(Text(IDS_QUESTION_CANCEL_UNSAVED));
    EXPECT_EQ(BoxTexts(), expected);
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), catalogBefore);
    EXPECT_EQ(info.dataSaved, 0);
}

TEST_P(SaveSettingPageTest, AStoredNameInAnotherCaseIsThatSettingAndAsksBeforeOverwriting)
{
    info.editType = 2;
    info.selectedSettingName = "Standard";
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "soft")
        .Click(IDC_SAVE_BUTTON)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_CHECK_DIALOG);
            EXPECT_EQ(view.Control(IDC_SAVECHECK_MESSAGE).text, FormatText(Text(IDS_QUESTION_OVERWRITE_SETTING), "Soft"));
        })
        .Click(IDC_SAVECHECK_OVERWRITE_BUTTON)
        .Wait(1000)
        .Finish();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().text, FormatText(Text(IDS_MSG_SETTING_SAVED), "Soft"));
    // One entry under its stored spelling, with new tables.
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "SettingNum"), "1");
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "SettingName2"), "Soft");
    EXPECT_NE(Value(info.driverCatalogPath, "Gamma", "CCMNT2"), "0A1B");
}

TEST_P(SaveSettingPageTest, AStoredNameAsksBeforeItIsOverwritten)
{
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "Warm")
        .Click(IDC_SAVE_BUTTON)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_CHECK_DIALOG);
            EXPECT_EQ(view.title, Text(IDS_CAPTION_WARNING));
            EXPECT_EQ(view.Control(IDC_SAVECHECK_MESSAGE).text,
                      FormatText(Text(IDS_QUESTION_OVERWRITE_SETTING), "Warm"));
            EXPECT_EQ(view.Control(IDC_SAVECHECK_OVERWRITE_BUTTON).text, Text(IDS_BUTTON_OVERWRITE));
            EXPECT_EQ(view.Control(IDC_SAVECHECK_OTHERNAME_BUTTON).text, Text(IDS_BUTTON_ANOTHER_NAME));
            EXPECT_EQ(view.Control(IDC_SAVECHECK_CANCEL_BUTTON).text, Text(IDS_BUTTON_CANCEL));
            EXPECT_EQ(view.Control(IDC_SAVECHECK_ICON).iconId, 32515u);
        })
        .Click(IDC_SAVECHECK_CANCEL_BUTTON)
        .Click(IDC_SAVE_BUTTON)
        .Close()  // the close box cancels too
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_SETTING_PAGE);
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_EQ(info.dataSaved, 0);
            EXPECT_EQ(boxes.Count(), 0u);
        })
        .Click(IDC_SAVE_BUTTON)
        .Click(IDC_SAVECHECK_OVERWRITE_BUTTON)
        .Wait(1000)
        .Finish();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(Text(IDS_MSG_SETTING_SAVED), "Warm"));
    // Overwritten in place: the same entry, new tables.
    EXPECT_EQ(IdOf(info.driverCatalogPath, 1, "Warm"), "4");
    EXPECT_NE(Value(info.driverCatalogPath, "Color", "CCMNT4"), "0A1B");
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "SettingNum"), "1");
}

TEST_P(SaveSettingPageTest, TheNameDialogInsistsOnAFreeName)
{
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "Warm")
        .Click(IDC_SAVE_BUTTON)
        .Click(IDC_SAVECHECK_OTHERNAME_BUTTON)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_NAME_DIALOG);
            EXPECT_EQ(view.title, Text(IDS_TITLE_UTILITY));
            EXPECT_EQ(view.Control(IDC_SAVENAME_PROMPT).text, Text(IDS_SAVENAME_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_SAVENAME_OK_BUTTON).text, Text(IDS_BUTTON_OK));
            EXPECT_EQ(view.Control(IDC_SAVENAME_CANCEL_BUTTON).text, Text(IDS_BUTTON_CANCEL));
            EXPECT_EQ(view.Control(IDC_SAVENAME_EDIT).limit, 32u);
            EXPECT_EQ(view.Control(IDC_SAVENAME_EDIT).text, "");
        })
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Type(IDC_SAVENAME_EDIT, " Lead")
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_SAVENAME_EDIT).text, ""); })
        .Type(IDC_SAVENAME_EDIT, "Warm")
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Type(IDC_SAVENAME_EDIT, "Soft")
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Type(IDC_SAVENAME_EDIT, "Vivid")
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Type(IDC_SAVENAME_EDIT, "Fresh   ")
        .Click(IDC_SAVENAME_OK_BUTTON)
        .Wait(1000)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).text, "Fresh"); })
        .Finish();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Text(IDS_ERR_NAME_EMPTY), Text(IDS_ERR_NAME_LEADING_SPACE),
                                                    Text(IDS_ERR_NAME_IN_USE), Text(IDS_ERR_NAME_IN_USE),
                                                    FormatText(Text(IDS_ERR_NAME_OF_DEFAULT_SETTING), "Vivid"),
                                                    FormatText(Text(IDS_MSG_SETTING_SAVED), "Fresh")}));
    EXPECT_FALSE(IdOf(info.driverCatalogPath, 1, "Fresh").empty());
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "CCMNT4"), "0A1B");  // "Warm" untouched
}

TEST_P(SaveSettingPageTest, AnEmptyNameAsksAndCancellingSavesNothing)
{
    const std::string catalogBefore = machine.ReadFile(info.driverCatalogPath);
    ScriptedUser user;
    user.Click(IDC_SAVE_BUTTON)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_SAVE_NAME_DIALOG); })
        .Type(IDC_SAVENAME_EDIT, "Unused")
        .Click(IDC_SAVENAME_CANCEL_BUTTON)
        .Type(IDC_SAVE_NAME_EDIT, "   ")
        .Click(IDC_SAVE_BUTTON)
        .Close()
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_SETTING_PAGE);
            EXPECT_FALSE(view.buttons.finish.enabled);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(IDS_QUESTION_CANCEL_UNSAVED)});  // only the cancel question
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), catalogBefore);
}

TEST_P(SaveSettingPageTest, TheSelectedNameAsksEvenWhenNotStored)
{
    info.selectedSettingName = "Fresh";
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Click(IDC_SAVE_BUTTON)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SAVE_CHECK_DIALOG);
            EXPECT_EQ(view.Control(IDC_SAVECHECK_MESSAGE).text,
                      FormatText(Text(IDS_QUESTION_OVERWRITE_SETTING), "Fresh"));
        })
        .Click(IDC_SAVECHECK_CANCEL_BUTTON)
        .Cancel();
    Run();
    ExpectScriptDone(user);
    EXPECT_TRUE(IdOf(info.driverCatalogPath, 1, "Fresh").empty());
}

TEST_P(SaveSettingPageTest, AFailedSaveNamesTheCatalogueAndStaysUnsaved)
{
    // The local copy cannot be written: its folder does not exist.
    info.editType = 2;
    managerInfo.localCatalogPath = "C:\\Missing\\" + model.catalogFile;
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "Bright")
        .Click(IDC_SAVE_BUTTON)
        .Wait(1000)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_SAVE_NAME_EDIT).text, "Bright");
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_EQ(info.dataSaved, 0);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    // The changes are still unsaved, so the cancel question warns about them.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{FormatText(Text(IDS_ERR_SETTING_NOT_STORED), model.catalogFile),
                                                    Text(IDS_QUESTION_CANCEL_UNSAVED)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(IDS_CAPTION_ERROR));
    EXPECT_EQ(boxes.Boxes().front().style & 0xFFu, 0x10u);
    EXPECT_EQ(gammaUnchanged, 0);  // the edit is not taken as stored
}

TEST(SaveSettingPageAlone, ANameDialogThatCannotBeMadeEndsAsCancel)
{
    SimMachine machine;
    machine.Set("Machine", "LibraryPath", machine.Root());
    std::filesystem::remove(machine.Root() + "/c/Host/XVDLGENU.dll");  // no dialog library
    machine.Apply();
    CUtilityInfo info;
    CSaveSettingPage page(&info);
    EXPECT_EQ(page.AskName(), "");
}
