// The dialog that picks settings for an export or an import: which settings it offers, the
// ticks, and its answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "pages/CAddSettingDlg.h"
#include "resources/resource.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

using fw::headless::WindowView;

namespace {

const std::string kCatalog =
    "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingID1=0\r\nSettingName4=Warm\r\nSettingName0=Cool\r\n"
    "CCMNT4=0A1B\r\nCCMNV4=FF00\r\nCCMNT0=1111\r\nCCMNV0=2222\r\n"
    "[Gamma]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Warm\r\nCCMNT0=5555\r\nCCMNV0=6666\r\n";

class AddSettingDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.Install(machine, kCatalog);
        info = model.Info();
    }

    // Runs the prepared dialog from the dialog library.
    INT_PTR Run()
    {
        CDlgRes library;
        if (!dialog.InitModalIndirect(library.LoadDialogTemplate(CAddSettingDlg::templateId))) return -1;
        return dialog.DoModal();
    }

    std::vector<std::string> Chosen() const
    {
        const CmyStringArray names = dialog.GetChosenNames();
        return {names.begin(), names.end()};
    }

    SimMachine machine;
    SimPrinterModel model = SimPrinterModel::Emf();
    CUtilityInfo info;
    CAddSettingDlg dialog;
    CStrRes strings;
};

}  // namespace

TEST_F(AddSettingDlg, ExportOffersEverySettingTickedAndReturnsTheTickedOnes)
{
    dialog.Prepare(info, "");
    EXPECT_EQ(dialog.GetMode(), CAddSettingDlg::modeExport);
    ASSERT_NE(dialog.ComputeCandidates(), 0);

    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_EXPORT));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_INSTRUCTION).text, strings.Load(IDS_ADDSETTING_EXPORT_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_CONFIRM_BUTTON).text, strings.Load(IDS_BUTTON_EXPORT));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_SELECTALL_BUTTON).text, strings.Load(IDS_BUTTON_SELECT_ALL));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_CANCEL_BUTTON).text, strings.Load(IDS_BUTTON_CANCEL));
            // A name of both kinds is listed once per kind.
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).items, (std::vector<std::string>{"Warm", "Cool", "Warm"}));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).selectedItems, (std::vector<int>{0, 1, 2}));
        })
        .SelectIndex(IDC_ADDSETTING_LIST, 0)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).selectedItems, (std::vector<int>{1, 2}));
        })
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(Chosen(), (std::vector<std::string>{"Cool", "Warm"}));
    EXPECT_EQ(dialog.GetChosenKinds(), (std::vector<int>{CAddSettingDlg::kindColor, CAddSettingDlg::kindGamma}));
}

TEST_F(AddSettingDlg, NothingTickedKeepsItOpenAndCancelEndsWithTwo)
{
    dialog.Prepare(info, "");
    ASSERT_NE(dialog.ComputeCandidates(), 0);
    ScriptedUser user;
    user.SelectIndex(IDC_ADDSETTING_LIST, 0)
        .SelectIndex(IDC_ADDSETTING_LIST, 1)
        .SelectIndex(IDC_ADDSETTING_LIST, 2)
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)  // nothing ticked: stays
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, CAddSettingDlg::templateId); })
        .Click(IDC_ADDSETTING_SELECTALL_BUTTON)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).selectedItems, (std::vector<int>{0, 1, 2}));
        })
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(Chosen().size(), 3u);

    ScriptedUser cancel;
    cancel.Click(IDC_ADDSETTING_CANCEL_BUTTON);
    EXPECT_EQ(Run(), 2);
    ScriptedUser close;
    close.Close();
    EXPECT_EQ(Run(), 2);
}

TEST_F(AddSettingDlg, ImportOffersOnlySettingsWhoseTablesAreNew)
{
    // "Same" repeats the V table of "Cool" in other letter case, "Twin" the T table of the
    // gamma "Warm"; "Fresh" and the gamma "Warm" (new tables) are offered.
    machine.WriteFile("C:\\Exchange\\In\\In.ccm",
                      "[Color]\r\nSettingNum=3\r\nSettingID0=0\r\nSettingID1=1\r\nSettingID2=2\r\n"
                      "SettingName0=Same\r\nCCMNT0=00\r\nCCMNV0=ff00\r\n"
                      "SettingName1=Fresh\r\nCCMNT1=00\r\nCCMNV1=ABAB\r\n"
                      "SettingName2=Twin\r\nCCMNT2=00\r\nCCMNV2=1111\r\n"
                      "[Gamma]\r\nSettingNum=2\r\nSettingID0=0\r\nSettingID1=1\r\n"
                      "SettingName0=Warm\r\nCCMNT0=00\r\nCCMNV0=7777\r\n"
                      "SettingName1=Copy\r\nCCMNT1=00\r\nCCMNV1=5555\r\n");
    dialog.Prepare(info, "C:\\Exchange\\In\\In.ccm");
    EXPECT_EQ(dialog.GetMode(), CAddSettingDlg::modeImport);
    ASSERT_NE(dialog.ComputeCandidates(), 0);
    EXPECT_EQ(std::vector<std::string>(dialog.GetColorCandidates().begin(), dialog.GetColorCandidates().end()),
              (std::vector<std::string>{"Fresh"}));
    EXPECT_EQ(std::vector<std::string>(dialog.GetGammaCandidates().begin(), dialog.GetGammaCandidates().end()),
              (std::vector<std::string>{"Warm"}));

    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_IMPORT));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_INSTRUCTION).text, strings.Load(IDS_ADDSETTING_IMPORT_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_CONFIRM_BUTTON).text, strings.Load(IDS_BUTTON_IMPORT));
        })
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(Chosen(), (std::vector<std::string>{"Fresh", "Warm"}));

    // A file of nothing but known tables offers nothing.
    machine.WriteFile("C:\\Exchange\\In\\Known.ccm",
                      "[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=X\r\nCCMNT0=00\r\nCCMNV0=0A1B\r\n");
    dialog.Prepare(info, "C:\\Exchange\\In\\Known.ccm");
    EXPECT_EQ(dialog.ComputeCandidates(), 0);
}
