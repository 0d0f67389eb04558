// Message boxes on the headless screen: shown to the driver, answered by it, closed as the
// system closes them; the test recorder still comes first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "framework/MessageBox.h"
#include "framework/WindowSystem.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/UiView.h"
#include "framework/headless/UserInput.h"
#include "launch/CStrRes.h"
#include "launch/CmyMessageBox.h"
#include "resources/resource.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"

using fw::headless::UserInput;
using fw::headless::WindowView;

TEST(MessageBoxOnScreen, TheDriverSeesTheBoxAndAnswersIt) {
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.kind, WindowView::Kind::MessageBox);
            EXPECT_EQ(view.title, fw::AppTitle());
            EXPECT_EQ(view.boxText, "Save the changes?");
            EXPECT_EQ(view.boxStyle, MB_YESNOCANCEL | MB_ICONQUESTION);
            EXPECT_EQ(view.boxButtons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
            EXPECT_EQ(view.owner, nullptr);
        })
        .Answer(IDNO);
    EXPECT_EQ(fw::AppMessageBox("Save the changes?", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(fw::headless::Desktop::Get().TopLevelWindows().size(), 0u);  // the box is gone
}

TEST(MessageBoxOnScreen, OnlyTheBoxsOwnButtonsCanAnswerIt) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.Answer(IDOK).Close().Cancel().Answer(IDYES);
    EXPECT_EQ(fw::SystemMessageBox(nullptr, "Overwrite?", "Question", MB_YESNO), IDYES);
    ASSERT_EQ(user.Refusals().size(), 3u);
    EXPECT_NE(user.Refusals()[1].find("cannot be closed"), std::string::npos);
}

TEST(MessageBoxOnScreen, ClosingABoxAnswersCancelOrItsOnlyButton) {
    {
        ScriptedUser user;
        user.Close();
        EXPECT_EQ(fw::SystemMessageBox(nullptr, "Done.", "Notice", MB_OK | MB_ICONINFORMATION), IDOK);
    }
    ScriptedUser user;
    user.Cancel();
    EXPECT_EQ(fw::SystemMessageBox(nullptr, "Go on?", "Question", MB_OKCANCEL), IDCANCEL);
}

TEST(MessageBoxOnScreen, ABoxOwnedByADialogHasItAsParent) {
    DialogTemplateBuilder dialogTemplate(120, 60);
    dialogTemplate.Add(IDCANCEL, FW_CLASS_BUTTON, BS_PUSHBUTTON, 60, 40, 40, 14, "Cancel");
    CDialog dialog;
    dialog.InitModalIndirect(dialogTemplate.Get());
    int answer = 0;
    ScriptedUser user;
    user.Do([&](UserInput&) { answer = dialog.MessageBox("Stopped.", "Error", MB_OK | MB_ICONSTOP); })
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.title, "Error");
            EXPECT_EQ(view.owner, dialog.m_hWnd);
            CWnd* box = CWnd::FindWindow(nullptr, "Error");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->GetParent(), &dialog);
        })
        .Answer(IDOK)
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answer, IDOK);
}

TEST(MessageBoxOnScreen, TheLibrarysMessageBoxTakesItsTextsFromTheStringLibrary) {
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            CStrRes strings;
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_UTILITY));
            EXPECT_EQ(view.boxText, strings.Load(IDS_QUESTION_CANCEL));
            EXPECT_EQ(view.boxStyle, 1u);
        })
        .Answer(IDCANCEL);
    EXPECT_EQ(CmyMessageBox().Show(nullptr, IDS_QUESTION_CANCEL, 1, IDS_TITLE_UTILITY), IDCANCEL);
}

TEST(MessageBoxOnScreen, TheTestRecorderStillTakesTheBoxesFirst) {
    ScriptedUser user;
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDRETRY);
    EXPECT_EQ(fw::AppMessageBox("Try again?", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_FALSE(user.Exhausted());  // the driver was never asked
}

TEST(MessageBoxOnScreen, AQuittingUserAnswersWithTheCancellingButton) {
    ScriptedUser user;
    user.Quit();
    EXPECT_EQ(fw::AppMessageBox("Delete the setting?", MB_YESNO), IDNO);
}

TEST(MessageBoxOnScreen, WithoutADriverTheBackendLeavesTheBoxToTheSystem) {
    fw::headless::Desktop& desktop = fw::headless::Desktop::Get();
    desktop.Reset();
    fw::headless::Driver* installed = desktop.SetDriver(nullptr);
    if (!desktop.HasDriver()) {  // unless the environment names one
        int answer = 0;
        EXPECT_FALSE(fw::ws::ShowBox(fw::MessageBoxRequest{nullptr, "text", "caption", MB_OK, false}, &answer));
    }
    desktop.SetDriver(installed);
}
