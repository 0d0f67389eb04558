// The about dialog: its texts, and the version and copyright lines of "version.txt" in the
// current folder, read once when the dialog is made.
#include <gtest/gtest.h>

#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CXVAboutDlg.h"
#include "resources/resource.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

using fw::headless::WindowView;

namespace {

const char kVersionFile[] = "C:\\Host\\version.txt";

class AboutDlg : public ::testing::Test {
protected:
    // Runs dialog from the dialog library, checks what it shows, and closes it with IDC_ABOUT_OK_BUTTON.
    void ShowAndClose(CXVAboutDlg& dialog, const std::string& version, const std::string& copyright) {
        CDlgRes library;
        ASSERT_NE(library.GetModule(), nullptr);
        dialog.SetTemplateModule(library.GetModule());
        CStrRes strings;
        ScriptedUser user;
        user.Inspect([&](const WindowView& view) {
                EXPECT_EQ(view.templateId, IDD_ABOUT_DIALOG);
                EXPECT_EQ(view.title, strings.Load(IDS_TITLE_PRODUCT));
                EXPECT_EQ(view.Control(IDC_ABOUT_TEXT).text, strings.Load(IDS_ABOUT_DESCRIPTION));
                EXPECT_EQ(view.Control(IDC_ABOUT_VERSION).text, version);
                EXPECT_EQ(view.Control(IDC_ABOUT_COPYRIGHT).text, copyright);
                EXPECT_EQ(view.Control(IDC_ABOUT_OK_BUTTON).text, strings.Load(IDS_BUTTON_OK));
                EXPECT_EQ(view.Control(IDC_ABOUT_ICON).iconId, IDI_APPICON);
            })
            .Click(IDC_ABOUT_OK_BUTTON);
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(user.Finished());
    }

    SimMachine machine;
};

}  // namespace

TEST_F(AboutDlg, ShowsTheVersionFileExactlyAsStored) {
    machine.WriteFile(kVersionFile,
                      "[Version]\r\nMainVersion=V 2.10.0003  (build 7)\r\nCopyright=(C) 2026 Test Maker\r\n");
    machine.Apply();
    CXVAboutDlg dialog;
    EXPECT_EQ(dialog.GetVersion(), "V 2.10.0003  (build 7)");
    ShowAndClose(dialog, "V 2.10.0003  (build 7)", "(C) 2026 Test Maker");
}

TEST_F(AboutDlg, WithoutTheFileTheLinesAreEmpty) {
    machine.Apply();
    CXVAboutDlg dialog;
    // Written after the dialog was made: not seen.
    machine.WriteFile(kVersionFile, "[Version]\r\nMainVersion=9\r\nCopyright=late\r\n");
    ShowAndClose(dialog, "", "");
}

TEST_F(AboutDlg, AMissingKeyLeavesOnlyItsLineEmpty) {
    machine.WriteFile(kVersionFile, "[Version]\r\nCopyright=Only this\r\n");
    machine.Apply();
    CXVAboutDlg dialog;
    ShowAndClose(dialog, "", "Only this");
}
