// Dialog timers on the virtual clock and mouse capture, on the headless backend.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/DataExchange.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/UiView.h"
#include "framework/headless/UserInput.h"
#include "support/ScriptedUser.h"
#include "support/TestTemplateIds.h"

using fw::headless::Desktop;
using fw::headless::UserInput;
using fw::headless::WindowView;

namespace {

constexpr UINT kTemplate = IDD_FW_TIMERS;
constexpr UINT kTracker = IDC_FW_TRACKER;
constexpr UINT kOther = IDC_FW_OTHER;
constexpr UINT_PTR kTimer = 1;

// A control that takes the mouse capture when the mouse moves over it, as the palette does.
class CapturingStatic : public CStatic {
public:
    std::vector<CPoint> moves;
    std::vector<CPoint> presses;
    std::vector<HWND> captureLosses;  // the new capture window each time

protected:
    void OnMouseMove(UINT flags, CPoint point) override {
        SetCapture();
        moves.push_back(point);
        CStatic::OnMouseMove(flags, point);
    }
    void OnLButtonDown(UINT flags, CPoint point) override {
        presses.push_back(point);
        CStatic::OnLButtonDown(flags, point);  // the static tells its parent it was clicked
    }
    void OnCaptureChanged(CWnd* newCapture) override {
        captureLosses.push_back(newCapture ? newCapture->m_hWnd : nullptr);
        ReleaseCapture();
        CStatic::OnCaptureChanged(newCapture);
    }
};

class TimerDialog : public CDialog {
public:
    TimerDialog() : CDialog(kTemplate) {}

    CapturingStatic tracker;
    std::vector<std::pair<UINT_PTR, uint64_t>> ticks;  // timer and virtual time
    std::function<void(UINT_PTR)> onTick;
    std::vector<UINT> clicks;
    UINT elapse = 500;

protected:
    BOOL OnInitDialog() override {
        SetTimer(kTimer, elapse);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kTracker, tracker); }
    void OnTimer(UINT_PTR id) override {
        ticks.emplace_back(id, Desktop::Get().Now());
        if (onTick) onTick(id);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        CWnd* from = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
        if (HIWORD(wParam) == STN_CLICKED && dynamic_cast<CStatic*>(from)) clicks.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

class Timers : public ::testing::Test {
protected:
    uint64_t Start() const { return Desktop::Get().Now(); }

    TimerDialog dialog;
};

}  // namespace

// ---- The virtual clock --------------------------------------------------------------------------

TEST_F(Timers, ATimerFiresOnlyWhenItsTimeHasPassed) {
    ScriptedUser user;
    const uint64_t start = Start();
    user.Wait(499)
        .Do([this](UserInput&) { EXPECT_TRUE(dialog.ticks.empty()); })
        .Wait(1)
        .Do([this, start](UserInput&) {
            ASSERT_EQ(dialog.ticks.size(), 1u);
            EXPECT_EQ(dialog.ticks[0], std::make_pair(kTimer, start + 500));
        })
        .Wait(1000)
        .Do([this](UserInput&) {
            EXPECT_EQ(dialog.ticks.size(), 3u);
            dialog.KillTimer(kTimer);
        })
        .Wait(5000)
        .Inspect([](const WindowView& view) { EXPECT_TRUE(view.timers.empty()); })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.ticks.size(), 3u);
    EXPECT_EQ(dialog.ticks[2].second, start + 1500);
}

TEST_F(Timers, WaitingForTheTimerLetsExactlyItsTimePass) {
    ScriptedUser user;
    const uint64_t start = Start();
    user.WaitForTimer().Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(dialog.ticks.size(), 1u);
    EXPECT_EQ(Desktop::Get().Now(), start + 500);
}

TEST_F(Timers, ADialogThatFinishesItsWorkOnATimerRunsWithoutAnyStep) {
    dialog.onTick = [this](UINT_PTR) {
        dialog.KillTimer(kTimer);
        dialog.EndDialog(1);
    };
    ScriptedUser user;
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.ticks.size(), 1u);
}

TEST_F(Timers, AScriptThatRunsOutGivesRunningTimersOnlyItsBudget) {
    ScriptedUser user;
    user.SetTimeBudget(2000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // the timer never ends the dialog: the script quits
    EXPECT_EQ(dialog.ticks.size(), 4u);
    EXPECT_TRUE(user.Exhausted());
}

TEST_F(Timers, TheOwnersTimerKeepsRunningWhileItsMessageBoxIsOpenAndMayCloseIt) {
    int answer = 0;
    dialog.onTick = [this, &answer](UINT_PTR) {
        if (dialog.ticks.size() == 1) {
            answer = dialog.MessageBox("Stop the job?", "Question", MB_OKCANCEL);
        } else if (CWnd* box = CWnd::FindWindow(nullptr, "Question"); box && box->GetParent() == &dialog) {
            box->PostMessage(WM_CLOSE);
        }
    };
    ScriptedUser user;
    user.Wait(500)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.kind, WindowView::Kind::MessageBox);
            EXPECT_EQ(view.boxText, "Stop the job?");
        })
        .Wait(500)  // the second tick closes the question
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.kind, WindowView::Kind::Dialog); })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(dialog.ticks.size(), 2u);
}

// ---- Command scripts run by a person ----------------------------------------------------------

namespace {

// The dialog opens a notice on its first tick that its second tick closes, as a progress
// notice does; the script clicks the dialog while the notice is still up.
std::vector<std::string> ClickBehindASelfClosingNotice(TimerDialog& dialog, ScriptedUser& user) {
    dialog.onTick = [&dialog](UINT_PTR) {
        if (dialog.ticks.size() == 1) {
            dialog.MessageBox("Please wait", "Notice", MB_OK);
        } else if (CWnd* box = CWnd::FindWindow(nullptr, "Notice"); box && box->GetParent() == &dialog) {
            box->PostMessage(WM_CLOSE);
        }
    };
    std::vector<std::string> reported;
    user.SetReport([&reported](const std::string& line) { reported.push_back(line); });
    user.Wait(500).Click(kOther).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    return reported;
}

}  // namespace

TEST_F(Timers, WithPatienceAStepWaitsForAWindowThatClosesByItself) {
    ScriptedUser user;
    user.SetPatience(10000);
    const uint64_t start = Start();
    EXPECT_TRUE(ClickBehindASelfClosingNotice(dialog, user).empty());
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{kOther});
    EXPECT_EQ(Desktop::Get().Now(), start + 1000);  // the notice's time, no more
}

TEST_F(Timers, WithoutPatienceTheStepIsRefusedAndReportedAtOnce) {
    ScriptedUser user;
    user.ExpectRefusals();
    const std::vector<std::string> reported = ClickBehindASelfClosingNotice(dialog, user);
    EXPECT_TRUE(dialog.clicks.empty());
    ASSERT_FALSE(reported.empty());  // the Cancel that follows meets the notice too
    EXPECT_EQ(reported, user.Refusals());
    EXPECT_EQ(reported[0].rfind("step 2 (click " + std::to_string(kOther) + "): ", 0), 0u) << reported[0];
}

TEST_F(Timers, PatienceHasABound) {
    // The notice never closes: after the bound the click counts as refused.
    dialog.onTick = [this](UINT_PTR) {
        if (dialog.ticks.size() == 1) dialog.MessageBox("Printing", "Notice", MB_OK);
    };
    ScriptedUser user;
    user.ExpectRefusals();
    user.SetPatience(2000);
    user.Wait(500).Click(kOther).Answer(IDOK).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.Refusals().size(), 1u);
    EXPECT_TRUE(dialog.clicks.empty());
}

TEST_F(Timers, AtTheEndOfTheSessionUnrunStepsAreReportedOnlyWithAReportSink) {
    std::vector<std::string> reported;
    {
        ScriptedUser user;
        user.ExpectRefusals();
        user.SetReport([&reported](const std::string& line) { reported.push_back(line); });
        user.Cancel().Click(kOther);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        user.SessionEnded();
        EXPECT_TRUE(user.Finished());
    }
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "step 2 (click " + std::to_string(kOther) + "): not run, the windows had closed");

    TimerDialog second;
    ScriptedUser quiet;
    quiet.AllowUnrunSteps();
    quiet.Cancel().Click(kOther);
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    quiet.SessionEnded();  // tests run several windows on one script: nothing is reported
    EXPECT_TRUE(quiet.Refusals().empty());
    EXPECT_EQ(quiet.Remaining(), 1u);
}

TEST_F(Timers, ATimerProcedureIsCalledInsteadOfTheWindow) {
    static std::vector<UINT_PTR> called;
    called.clear();
    dialog.onTick = [this](UINT_PTR) {
        dialog.SetTimer(7, 100, [](HWND, UINT message, UINT_PTR id, DWORD) {
            if (message == WM_TIMER) called.push_back(id);
        });
        dialog.KillTimer(kTimer);
    };
    ScriptedUser user;
    user.Wait(500).Wait(250).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(called, (std::vector<UINT_PTR>{7, 7}));
    EXPECT_EQ(dialog.ticks.size(), 1u);
}

// ---- Mouse capture ------------------------------------------------------------------------------

TEST_F(Timers, TheCaptureWindowGetsTheMouseEverywhereInItsOwnCoordinates) {
    RECT tracker{};
    RECT other{};
    ScriptedUser user;
    user.MoveMouse(kTracker, 5, 6)
        .Do([this](UserInput&) { EXPECT_EQ(CWnd::GetCapture(), &dialog.tracker); })
        .Inspect([&](const WindowView& view) {
            tracker = view.Control(kTracker).rect;
            other = view.Control(kOther).rect;
        })
        .MoveMouse(kOther, 2, 3)  // the tracker holds the capture: it gets this move
        .ClickAt(kOther, 2, 3)
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const CPoint outside(other.left - tracker.left + 2, other.top - tracker.top + 3);
    EXPECT_EQ(dialog.tracker.moves, (std::vector<CPoint>{CPoint(5, 6), outside, outside}));
    EXPECT_EQ(dialog.tracker.presses, std::vector<CPoint>{outside});
    // The click went to the tracker, which tells its parent; the other control heard nothing.
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{kTracker});
}

TEST_F(Timers, TakingOrReleasingTheCaptureTellsTheWindowThatLosesIt) {
    ScriptedUser user;
    user.MoveMouse(kTracker, 1, 1)
        .Do([this](UserInput&) {
            CWnd* other = dialog.GetDlgItem(kOther);
            EXPECT_EQ(other->SetCapture(), &dialog.tracker);
            EXPECT_EQ(dialog.tracker.captureLosses, std::vector<HWND>{other->m_hWnd});
            // The tracker released the capture on losing it, so the other window lost it too.
            EXPECT_EQ(CWnd::GetCapture(), nullptr);
            dialog.tracker.SetCapture();
            CWnd::ReleaseCapture();
            EXPECT_EQ(dialog.tracker.captureLosses.back(), nullptr);
            EXPECT_EQ(CWnd::GetCapture(), nullptr);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Timers, APointOutsideTheControlIsRefused) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.MoveMouse(kTracker, 500, 1).ClickAt(kTracker, -1, 1).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(user.Refusals().size(), 2u);
    EXPECT_TRUE(dialog.tracker.moves.empty());
}
