// The property sheet in wizard mode on the headless backend: navigation and results, the
// page list changing while the wizard runs, the wizard buttons, cancel, help, system menu.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/CMenu.h"
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "framework/headless/UiView.h"
#include "resources/resource.h"
#include "support/ScriptedUser.h"
#include "support/TestTemplateIds.h"

using fw::headless::WindowView;

namespace {

constexpr UINT kFirst = IDD_FW_PAGE_FIRST;
constexpr UINT kSecond = IDD_FW_PAGE_SECOND;
constexpr UINT kThird = IDD_FW_PAGE_THIRD;
constexpr UINT kOther = IDD_FW_PAGE_OTHER;
constexpr UINT kPageText = IDC_FW_PAGE_TEXT;

// A page that writes down what the sheet asks of it and answers as the test says.
class RecordingPage : public CPropertyPage {
public:
    RecordingPage(UINT templateId, std::vector<std::string>& log) : CPropertyPage(templateId), m_log(log) {
        m_psp.dwFlags |= PSP_HASHELP;
    }

    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    std::string title;
    LRESULT nextResult = 0;
    LRESULT backResult = 0;
    BOOL finishResult = TRUE;
    std::vector<BOOL> cancelAnswers;  // used in order; then TRUE
    std::function<void()> onNext;
    int initCount = 0;

    BOOL OnInitDialog() override {
        ++initCount;
        Log("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Log("active");
        GetParentSheet()->SetWizardButtons(buttons);
        if (!title.empty()) GetParentSheet()->SetTitle(title);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        Log("kill");
        return CPropertyPage::OnKillActive();
    }
    LRESULT OnWizardNext() override {
        Log("next");
        if (onNext) onNext();
        return nextResult;
    }
    LRESULT OnWizardBack() override {
        Log("back");
        return backResult;
    }
    BOOL OnWizardFinish() override {
        Log("finish");
        return finishResult;
    }
    BOOL OnQueryCancel() override {
        Log("query-cancel");
        if (cancelAnswers.empty()) return TRUE;
        const BOOL answer = cancelAnswers.front();
        cancelAnswers.erase(cancelAnswers.begin());
        return answer;
    }
    void OnReset() override { Log("reset"); }
    void OnEndSession(BOOL ending) override {
        Log(ending ? "end-session" : "session-goes-on");
        CPropertyPage::OnEndSession(ending);
    }

private:
    void Log(const std::string& what) { m_log.push_back(std::to_string(m_psp.nIDTemplate) + " " + what); }
    std::vector<std::string>& m_log;
};

// A sheet that adds an item to its system menu and writes down commands that reach it.
class RecordingSheet : public CPropertySheet {
public:
    RecordingSheet() : CPropertySheet("Wizard") {}

    std::vector<UINT> commands;
    std::vector<UINT> systemCommands;

    BOOL OnInitDialog() override {
        if (CMenu* menu = GetSystemMenu(FALSE)) {
            menu->AppendMenu(MF_SEPARATOR);
            menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "About");
        }
        return CPropertySheet::OnInitDialog();
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back(LOWORD(wParam));
        return CPropertySheet::OnCommand(wParam, lParam);
    }
    void OnSysCommand(UINT id, LPARAM lParam) override {
        systemCommands.push_back(id);
        CPropertySheet::OnSysCommand(id, lParam);
    }
};

class Wizard : public ::testing::Test {
protected:
    Wizard() {
        third.buttons = PSWIZB_BACK | PSWIZB_FINISH;
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&third);
        sheet.SetWizardMode();
        sheet.m_psh.dwFlags |= PSH_HASHELP;
    }

    static void ExpectPage(ScriptedUser& user, int index, UINT templateId) {
        user.Inspect([index, templateId](const WindowView& view) {
            EXPECT_EQ(view.kind, WindowView::Kind::Sheet);
            EXPECT_EQ(view.buttons.pageIndex, index);
            EXPECT_EQ(view.templateId, templateId);
        });
    }

    std::vector<std::string> log;
    RecordingPage first{kFirst, log};
    RecordingPage second{kSecond, log};
    RecordingPage third{kThird, log};
    RecordingPage other{kOther, log};
    RecordingSheet sheet;
};

}  // namespace

// ---- Navigation and results -------------------------------------------------------------------

TEST_F(Wizard, NextAndBackWalkThePagesAndFinishEndsWithTheWizardFinishResult) {
    ScriptedUser user;
    ExpectPage(user, 0, kFirst);
    user.Next();
    ExpectPage(user, 1, kSecond);
    user.Back();
    ExpectPage(user, 0, kFirst);
    user.Next().Next();
    ExpectPage(user, 2, kThird);
    user.Finish();

    EXPECT_EQ(sheet.DoModal(), 12325);
    EXPECT_TRUE(user.Finished());
    const std::vector<std::string> expected = {
        "9101 init", "9101 active", "9101 next", "9101 kill", "9102 init", "9102 active", "9102 back",
        "9102 kill", "9101 active", "9101 next", "9101 kill", "9102 active", "9102 next", "9102 kill",
        "9103 init", "9103 active", "9103 finish"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(first.m_hWnd, nullptr);  // the windows are gone with the sheet
    EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST_F(Wizard, ANextResultOfMinusOneStaysAndATemplateIdJumpsToThatPage) {
    first.nextResult = -1;
    ScriptedUser user;
    user.Next();
    ExpectPage(user, 0, kFirst);
    user.Do([this](fw::headless::UserInput&) { first.nextResult = kThird; });
    user.Next();
    ExpectPage(user, 2, kThird);
    user.Back();  // Back goes to the page before, not to where the wizard came from
    ExpectPage(user, 1, kSecond);
    user.Cancel();

    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(second.initCount, 1);
}

TEST_F(Wizard, AFinishThatThePageRefusesKeepsTheWizardOpen) {
    third.finishResult = FALSE;
    sheet.SetActivePage(2);  // the start page
    ScriptedUser user;
    user.Finish();
    ExpectPage(user, 2, kThird);
    user.Do([this](fw::headless::UserInput&) { third.finishResult = TRUE; });
    user.Finish();

    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(first.initCount, 0);  // pages not shown are never made
}

TEST_F(Wizard, TheSheetRunsAgainFromItsFirstPageWithNewPageWindows) {
    {
        ScriptedUser user;
        user.Next().Cancel();
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    }
    ScriptedUser again;
    ExpectPage(again, 0, kFirst);
    again.Next().Next().Finish();
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(first.initCount, 2);
    EXPECT_EQ(second.initCount, 2);
}

TEST_F(Wizard, APageWithoutTemplateMakesTheSheetFail) {
    RecordingPage missing{9999, log};
    CPropertySheet lonely("Lonely");
    lonely.AddPage(&missing);
    lonely.SetWizardMode();
    ScriptedUser user;
    EXPECT_EQ(lonely.DoModal(), -1);
    CPropertySheet empty("Empty");
    EXPECT_EQ(empty.DoModal(), -1);
}

// ---- The page list changes while the wizard runs ----------------------------------------------

TEST_F(Wizard, APageCanRebuildTheRestOfTheSequenceOnNext) {
    first.onNext = [this] {
        for (int index = sheet.GetPageCount() - 1; index >= 1; --index) sheet.RemovePage(index);
        sheet.AddPage(&other);
        sheet.AddPage(&third);
    };
    ScriptedUser user;
    user.Next();
    ExpectPage(user, 1, kOther);
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.buttons.pageCount, 3); });
    user.Back().Next();  // rebuilt again: "other" is removed (its window destroyed) and added anew
    ExpectPage(user, 1, kOther);
    user.Next();
    ExpectPage(user, 2, kThird);
    user.Finish();

    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(second.initCount, 0);
    EXPECT_EQ(other.initCount, 2);
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetPage(1), &other);
}

TEST_F(Wizard, RemovingAShownPageDestroysItsWindow) {
    ScriptedUser user;
    user.Next().Back();
    user.Do([this](fw::headless::UserInput&) {
        ASSERT_NE(second.m_hWnd, nullptr);
        sheet.RemovePage(&second);
        EXPECT_EQ(second.m_hWnd, nullptr);
        EXPECT_EQ(sheet.GetPageCount(), 2);
    });
    user.Next();
    ExpectPage(user, 1, kThird);
    user.Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(Wizard, SetActivePageAndTheActiveIndexWhileRunning) {
    ScriptedUser user;
    user.Do([this](fw::headless::UserInput&) {
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_TRUE(sheet.SetActivePage(2));
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        EXPECT_EQ(sheet.GetActivePage(), &third);
        EXPECT_FALSE(sheet.SetActivePage(7));
    });
    ExpectPage(user, 2, kThird);
    user.Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

// ---- Wizard buttons ---------------------------------------------------------------------------

TEST_F(Wizard, TheSetWizardButtonsMessageDecidesWhatTheUserCanPress) {
    first.buttons = PSWIZB_NEXT;
    second.buttons = PSWIZB_BACK | PSWIZB_DISABLEDFINISH;
    ScriptedUser user;
    user.ExpectRefusals();
    user.Inspect([](const WindowView& view) {
        EXPECT_TRUE(view.buttons.back.visible);
        EXPECT_FALSE(view.buttons.back.enabled);
        EXPECT_TRUE(view.buttons.next.enabled);
        EXPECT_FALSE(view.buttons.finish.visible);
    });
    user.Back();  // refused: Back is disabled on the first page
    user.Next();
    user.Inspect([](const WindowView& view) {
        EXPECT_TRUE(view.buttons.back.enabled);
        EXPECT_FALSE(view.buttons.next.visible);  // Finish takes Next's place
        EXPECT_TRUE(view.buttons.finish.visible);
        EXPECT_FALSE(view.buttons.finish.enabled);
    });
    user.Finish();  // refused: disabled Finish
    user.Next();    // refused: hidden
    user.Do([this](fw::headless::UserInput&) { sheet.SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH); });
    user.Finish();

    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    ASSERT_EQ(user.Refusals().size(), 3u);
    EXPECT_NE(user.Refusals()[0].find("back"), std::string::npos);
    EXPECT_NE(user.Refusals()[1].find("finish"), std::string::npos);
    EXPECT_NE(user.Refusals()[2].find("next"), std::string::npos);
}

TEST_F(Wizard, PressButtonIsPostedToTheSheet) {
    ScriptedUser user;
    user.Do([this](fw::headless::UserInput&) {
        sheet.PressButton(PSBTN_NEXT);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);  // not yet: it is posted
    });
    ExpectPage(user, 1, kSecond);
    user.Do([this](fw::headless::UserInput&) { sheet.PressButton(PSBTN_CANCEL); });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(Wizard, TheTitleSetByAPageIsTheSheetsTitle) {
    first.title = "Choose what to edit";
    ScriptedUser user;
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.title, "Choose what to edit"); });
    user.Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

// ---- Cancel, close, quit ------------------------------------------------------------------------

TEST_F(Wizard, CancelAsksTheActivePageAndThenResetsTheShownPages) {
    second.cancelAnswers = {FALSE};
    ScriptedUser user;
    user.Next().Cancel();
    ExpectPage(user, 1, kSecond);  // the page said no
    user.Cancel();

    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    const std::vector<std::string> tail(log.end() - 4, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"9102 query-cancel", "9102 query-cancel", "9101 reset", "9102 reset"}));
}

TEST_F(Wizard, TheCloseBoxCancelsThroughTheSameQuestion) {
    ScriptedUser user;
    user.Close();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log.back(), "9101 reset");
    EXPECT_NE(std::find(log.begin(), log.end(), "9101 query-cancel"), log.end());
}

TEST_F(Wizard, AScriptThatRunsOutQuitsWithoutAsking) {
    ScriptedUser user;
    user.Next();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Exhausted());
    EXPECT_EQ(std::find(log.begin(), log.end(), "9102 query-cancel"), log.end());
}

// ---- Help and the system menu ------------------------------------------------------------------

TEST_F(Wizard, TheHelpButtonSendsTheHelpCommandToTheSheet) {
    second.m_psp.dwFlags &= ~PSP_HASHELP;
    ScriptedUser user;
    user.ExpectRefusals();
    user.Inspect([](const WindowView& view) { EXPECT_TRUE(view.buttons.help.enabled); });
    user.Help();
    user.Next();
    user.Inspect([](const WindowView& view) {
        EXPECT_TRUE(view.buttons.help.visible);
        EXPECT_FALSE(view.buttons.help.enabled);  // this page has no help
    });
    user.Help();
    user.Cancel();

    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(user.Refusals().size(), 1u);
    const auto helps = std::count(sheet.commands.begin(), sheet.commands.end(), static_cast<UINT>(IDHELP));
    EXPECT_EQ(helps, 1);
}

TEST_F(Wizard, TheSystemMenuCarriesTheAddedItemAndItsCommandReachesTheSheet) {
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
        ASSERT_EQ(view.systemMenu.size(), 3u);
        EXPECT_EQ(view.systemMenu[0].id, static_cast<UINT>(SC_CLOSE));
        EXPECT_TRUE(view.systemMenu[1].separator);
        EXPECT_EQ(view.systemMenu[2].id, IDM_ABOUTBOX);
        EXPECT_EQ(view.systemMenu[2].text, "About");
    });
    user.SysCommand(IDM_ABOUTBOX).Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.systemCommands, std::vector<UINT>{IDM_ABOUTBOX});
}

TEST_F(Wizard, WithoutTheHelpFlagTheSheetShowsNoHelpButton) {
    sheet.m_psh.dwFlags &= ~PSH_HASHELP;
    ScriptedUser user;
    user.ExpectRefusals();
    user.Inspect([](const WindowView& view) { EXPECT_FALSE(view.buttons.help.visible); });
    user.Help().Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(user.Refusals().size(), 1u);
}

TEST_F(Wizard, TheEndOfTheSessionReachesTheShownPages) {
    ScriptedUser user;
    user.Next().EndSession().Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(std::count(log.begin(), log.end(), "9101 end-session"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "9102 end-session"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "9103 end-session"), 0);
}

// The scenario harness itself: when the library's call ends, a drawing object made during it and
// still there fails the test; one given back in time does not.
namespace {
HBRUSH g_leftBrush = nullptr;
}  // namespace

TEST(ScenarioHarness, ADrawingObjectLeftWhenTheCallEndsFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUser user;
            g_leftBrush = fw::ws::MakeSolidBrush(RGB(1, 2, 3));
            fw::ws::SessionEnded();
        },
        "drawing objects left when the call ended");
    EXPECT_TRUE(fw::ws::DeleteGdiObject(g_leftBrush));

    ScriptedUser user;
    const HBRUSH brush = fw::ws::MakeSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(fw::ws::DeleteGdiObject(brush));
    fw::ws::SessionEnded();
}
