// The save-setting page inside a small wizard on simulated machines: the name checks against
// stored, gamma, colour and default names, the overwrite question and the name dialog, the save
// through the sheet's managers in "EMF" and raw mode, and a save that fails.
#include <gtest/gtest.h>

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
#include "storage/CCtrlMng.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"

using fw::headless::WindowView;

namespace {

constexpr UINT kNameEdit = 1107;
constexpr UINT kSave = 1045;
constexpr UINT kOverwrite = 1157;
constexpr UINT kOtherName = 1158;
constexpr UINT kCheckCancel = 1159;
constexpr UINT kDialogEdit = 1113;
constexpr UINT kDialogOk = 1114;
constexpr UINT kDialogCancel = 1115;

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
        info.selectedSettingName = Text(518);
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
            EXPECT_EQ(view.templateId, 1002u);
            EXPECT_EQ(view.title, Text(18));
            EXPECT_EQ(view.Control(1042).text, Text(121));
            EXPECT_EQ(view.Control(1043).text, Text(150));
            EXPECT_EQ(view.Control(1044).text, Text(123));
            EXPECT_EQ(view.Control(kSave).text, Text(210));
            EXPECT_EQ(view.Control(1108).text, Text(163));
            EXPECT_EQ(view.Control(1049).bitmapId, 1500u);
            EXPECT_EQ(view.Control(kNameEdit).text, "Warm");
            EXPECT_EQ(view.Control(kNameEdit).limit, 32u);
            EXPECT_TRUE(view.buttons.finish.visible);
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_TRUE(view.buttons.back.enabled);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, Text(517));  // unsaved changes

    // Gamma, a default entry, nothing unsaved: the gamma text, an empty name, Finish.
    info.editType = 2;
    info.userSettingSelected = 0;
    info.dataSaved = 1;
    ScriptedUser gamma;
    gamma.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(1042).text, Text(122));
            EXPECT_EQ(view.Control(kNameEdit).text, "");
            EXPECT_TRUE(view.buttons.finish.enabled);
        })
        .Finish();
    Run();
    ExpectScriptDone(gamma);
}

TEST_P(SaveSettingPageTest, ANewColourNameIsSavedTrimmedEverywhere)
{
    ScriptedUser user;
    user.Type(kNameEdit, "  Bright  ")
        .Click(kSave)
        .Wait(1000)  // the profile dialog of an "EMF" model works from its timer
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1002u);
            EXPECT_EQ(view.Control(kNameEdit).text, "Bright");
            EXPECT_TRUE(view.buttons.finish.enabled);
        })
        .Finish();
    Run();
    ExpectScriptDone(user);

    ASSERT_EQ(boxes.Count(), 1u) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().text, FormatText(Text(548), "Bright"));
    EXPECT_EQ(boxes.Last().caption, Text(547));
    EXPECT_EQ(boxes.Last().style, 0x40u);
    EXPECT_NE(boxes.Last().owner, nullptr);
    EXPECT_EQ(info.dataSaved, 1);
    EXPECT_EQ(info.selectedSettingName, Text(518));  // a save does not change the selection

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
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(1042).text, Text(122)); })
        .Type(kNameEdit, "Dusk")
        .Click(kSave)
        .Wait(1000)
        .Finish();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().text, FormatText(Text(548), "Dusk"));
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
    user.Type(kNameEdit, "Soft").Click(kSave)
        .Type(kNameEdit, "  " + Text(518) + "  ").Click(kSave)
        .Type(kNameEdit, "Vivid").Click(kSave)
        .Do([&](fw::headless::UserInput&) { info.editType = 2; })
        .Type(kNameEdit, "Warm").Click(kSave)
        .Inspect([](const WindowView& view) { EXPECT_FALSE(view.buttons.finish.enabled); })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{FormatText(Text(559), "Soft"), FormatText(Text(560), Text(518)),
                                                    FormatText(Text(560), "Vivid"), FormatText(Text(558), "Warm"),
                                                    Text(517)}));
    for (size_t i = 0; i + 1 < boxes.Count(); ++i) {  // the last one is the cancel question
        const auto& box = boxes.Boxes()[i];
        EXPECT_EQ(box.style, 0x30u);
        EXPECT_EQ(box.caption, Text(539));
        EXPECT_NE(box.owner, nullptr);
    }
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), catalogBefore);
    EXPECT_EQ(info.dataSaved, 0);
}

TEST_P(SaveSettingPageTest, AStoredNameAsksBeforeItIsOverwritten)
{
    ScriptedUser user;
    user.Type(kNameEdit, "Warm")
        .Click(kSave)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1155u);
            EXPECT_EQ(view.title, Text(539));
            EXPECT_EQ(view.Control(1156).text, FormatText(Text(527), "Warm"));
            EXPECT_EQ(view.Control(kOverwrite).text, Text(225));
            EXPECT_EQ(view.Control(kOtherName).text, Text(226));
            EXPECT_EQ(view.Control(kCheckCancel).text, Text(209));
            EXPECT_EQ(view.Control(1400).iconId, 32515u);
        })
        .Click(kCheckCancel)
        .Click(kSave)
        .Close()  // the close box cancels too
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1002u);
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_EQ(info.dataSaved, 0);
            EXPECT_EQ(boxes.Count(), 0u);
        })
        .Click(kSave)
        .Click(kOverwrite)
        .Wait(1000)
        .Finish();
    Run();
    ExpectScriptDone(user);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(Text(548), "Warm"));
    // Overwritten in place: the same entry, new tables.
    EXPECT_EQ(IdOf(info.driverCatalogPath, 1, "Warm"), "4");
    EXPECT_NE(Value(info.driverCatalogPath, "Color", "CCMNT4"), "0A1B");
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "SettingNum"), "1");
}

TEST_P(SaveSettingPageTest, TheNameDialogInsistsOnAFreeName)
{
    ScriptedUser user;
    user.Type(kNameEdit, "Warm")
        .Click(kSave)
        .Click(kOtherName)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1112u);
            EXPECT_EQ(view.title, Text(1));
            EXPECT_EQ(view.Control(1116).text, Text(151));
            EXPECT_EQ(view.Control(kDialogOk).text, Text(208));
            EXPECT_EQ(view.Control(kDialogCancel).text, Text(209));
            EXPECT_EQ(view.Control(kDialogEdit).limit, 32u);
            EXPECT_EQ(view.Control(kDialogEdit).text, "");
        })
        .Click(kDialogOk)
        .Type(kDialogEdit, " Lead").Click(kDialogOk)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kDialogEdit).text, ""); })
        .Type(kDialogEdit, "Warm").Click(kDialogOk)
        .Type(kDialogEdit, "Soft").Click(kDialogOk)
        .Type(kDialogEdit, "Vivid").Click(kDialogOk)
        .Type(kDialogEdit, "Fresh   ").Click(kDialogOk)
        .Wait(1000)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kNameEdit).text, "Fresh"); })
        .Finish();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Text(513), Text(550), Text(523), Text(523),
                                                    FormatText(Text(560), "Vivid"), FormatText(Text(548), "Fresh")}));
    EXPECT_FALSE(IdOf(info.driverCatalogPath, 1, "Fresh").empty());
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "CCMNT4"), "0A1B");  // "Warm" untouched
}

TEST_P(SaveSettingPageTest, AnEmptyNameAsksAndCancellingSavesNothing)
{
    const std::string catalogBefore = machine.ReadFile(info.driverCatalogPath);
    ScriptedUser user;
    user.Click(kSave)
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, 1112u); })
        .Type(kDialogEdit, "Unused")
        .Click(kDialogCancel)
        .Type(kNameEdit, "   ")
        .Click(kSave)
        .Close()
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1002u);
            EXPECT_FALSE(view.buttons.finish.enabled);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(517)});  // only the cancel question
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), catalogBefore);
}

TEST_P(SaveSettingPageTest, TheSelectedNameAsksEvenWhenNotStored)
{
    info.selectedSettingName = "Fresh";
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Click(kSave)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 1155u);
            EXPECT_EQ(view.Control(1156).text, FormatText(Text(527), "Fresh"));
        })
        .Click(kCheckCancel)
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
    user.Type(kNameEdit, "Bright")
        .Click(kSave)
        .Wait(1000)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(kNameEdit).text, "Bright");
            EXPECT_FALSE(view.buttons.finish.enabled);
            EXPECT_EQ(info.dataSaved, 0);
        })
        .Cancel();
    Run();
    ExpectScriptDone(user);
    // The changes are still unsaved, so the cancel question warns about them.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{FormatText(Text(546), model.catalogFile), Text(517)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(538));
    EXPECT_EQ(boxes.Boxes().front().style & 0xFFu, 0x10u);
    EXPECT_EQ(gammaUnchanged, 0);  // the edit is not taken as stored
}

TEST(SaveSettingPageAlone, ANameDialogThatCannotBeMadeEndsAsCancel)
{
    SimMachine machine;
    machine.Set("Machine", "LibraryPath", machine.Root());  // no dialog library
    machine.Apply();
    CUtilityInfo info;
    CSaveSettingPage page(&info);
    EXPECT_EQ(page.AskName(), "");
}
