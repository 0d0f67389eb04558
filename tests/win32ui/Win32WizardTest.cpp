// The wizard on the system's property sheet: page objects get the sheet's notifications,
// the buttons pressed by message move between pages, and the sheet ends with the right result.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <iterator>
#include <string>
#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "support/DialogTemplateBuilder.h"
#include "support/TestTemplateIds.h"

namespace {

constexpr UINT kFirst = IDD_FW_PAGE_FIRST;
constexpr UINT kSecond = IDD_FW_PAGE_SECOND;
constexpr UINT kThird = IDD_FW_PAGE_THIRD;
constexpr UINT kField = IDC_FW_PAGE_TEXT;

using Log = std::vector<std::string>;

// A page that writes what happens to it into the log and lets the test act at each step.
class LoggingPage : public CPropertyPage {
public:
    // Made from the program's dialog resource templateId.
    LoggingPage(UINT templateId, std::string name, Log& log)
        : CPropertyPage(templateId), m_name(std::move(name)), m_log(log) {}
    // Made from the template's bytes (PSP_DLGINDIRECT).
    LoggingPage(UINT templateId, LPCDLGTEMPLATE pageTemplate, std::string name, Log& log)
        : LoggingPage(templateId, std::move(name), log) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = pageTemplate;
    }

    std::function<void(LoggingPage&)> onSetActive;
    std::function<void(LoggingPage&, UINT_PTR)> onTimer;
    std::function<void(LoggingPage&)> onFinish;
    LRESULT nextResult = 0;
    BOOL acceptActive = TRUE;
    BOOL allowCancel = TRUE;

    BOOL OnInitDialog() override {
        m_log.push_back(m_name + ":init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        m_log.push_back(m_name + ":set");
        if (onSetActive) onSetActive(*this);
        return acceptActive && CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        m_log.push_back(m_name + ":kill");
        return CPropertyPage::OnKillActive();
    }
    LRESULT OnWizardNext() override {
        m_log.push_back(m_name + ":next");
        return nextResult;
    }
    BOOL OnWizardFinish() override {
        m_log.push_back(m_name + ":finish");
        if (onFinish) onFinish(*this);
        return TRUE;
    }
    BOOL OnQueryCancel() override {
        m_log.push_back(m_name + ":querycancel");
        return allowCancel;
    }
    void OnReset() override { m_log.push_back(m_name + ":reset"); }
    void OnTimer(UINT_PTR id) override {
        if (onTimer) onTimer(*this, id);
    }
    void OnEndSession(BOOL ending) override {
        m_log.push_back(m_name + (ending ? ":endsession" : ":sessiongoeson"));
        CPropertyPage::OnEndSession(ending);
    }

private:
    std::string m_name;
    Log& m_log;
};

// A wizard that notes its own set-up and gives up on its own when a test leaves it waiting.
class LoggingSheet : public CPropertySheet {
public:
    static constexpr INT_PTR kStuck = -2;

    explicit LoggingSheet(Log& log) : CPropertySheet("Wizard"), m_log(log) { SetWizardMode(); }

    BOOL OnInitDialog() override {
        m_log.push_back(m_hWnd ? "sheet:init" : "sheet:init without window");
        SetTimer(99, 5000);
        return CPropertySheet::OnInitDialog();
    }
    void OnTimer(UINT_PTR id) override {
        if (id != 99) return CPropertySheet::OnTimer(id);
        KillTimer(id);
        EndDialog(static_cast<int>(kStuck));
    }

private:
    Log& m_log;
};

TEST(Win32Wizard, NextMovesOnAndFinishEndsWithWizFinish) {
    Log log;
    int activeOnSecond = -1;
    std::string fieldOnSecond;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    LoggingPage second(kSecond, "2", log);
    first.onSetActive = [](LoggingPage& page) {
        page.SetDlgItemText(kField, "first");
        page.GetParentSheet()->SetWizardButtons(PSWIZB_NEXT);
        page.GetParentSheet()->PressButton(PSBTN_NEXT);
    };
    second.onSetActive = [&](LoggingPage& page) {
        fieldOnSecond = page.GetDlgItemText(kField);
        page.GetParentSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        page.GetParentSheet()->PressButton(PSBTN_FINISH);
    };
    second.onFinish = [&](LoggingPage& page) { activeOnSecond = page.GetParentSheet()->GetActiveIndex(); };
    sheet.AddPage(&first);
    sheet.AddPage(&second);

    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:next", "1:kill", "2:init", "2:set", "2:finish"}));
    EXPECT_EQ(activeOnSecond, 1);
    EXPECT_EQ(fieldOnSecond, "page text");  // each page has controls of its own, from its template
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(first.m_hWnd, nullptr);
}

TEST(Win32Wizard, TemplateIdFromNextJumpsToThatPageAndCancelEnds) {
    // The target page made from its resource id, then from the template's bytes.
    DialogTemplateBuilder indirect(220, 120, WS_CHILD | WS_CAPTION | DS_MODALFRAME);
    indirect.Add(kField, FW_CLASS_EDIT, ES_AUTOHSCROLL | WS_BORDER, 10, 10, 100, 12);
    for (const bool byBytes : {false, true}) {
        Log log;
        LoggingSheet sheet(log);
        LoggingPage first(kFirst, "1", log);
        LoggingPage second(kSecond, "2", log);
        auto third = byBytes ? std::make_unique<LoggingPage>(kThird, indirect.Get(), "3", log)
                             : std::make_unique<LoggingPage>(kThird, "3", log);
        first.nextResult = kThird;
        first.onSetActive = [](LoggingPage& page) { page.GetParentSheet()->PressButton(PSBTN_NEXT); };
        third->onSetActive = [](LoggingPage& page) { page.GetParentSheet()->PressButton(PSBTN_CANCEL); };
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(third.get());

        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
        EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:next", "1:kill", "3:init", "3:set", "3:querycancel",
                            "1:reset", "3:reset"}))
            << (byBytes ? "by bytes" : "by id");
    }
}

TEST(Win32Wizard, PageRefusingActivationIsSkippedInTheDirectionOfTravel) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    LoggingPage second(kSecond, "2", log);
    LoggingPage third(kThird, "3", log);
    second.acceptActive = FALSE;
    bool wentBack = false;
    third.onSetActive = [&wentBack](LoggingPage& page) {
        if (!wentBack) {
            wentBack = true;
            page.GetParentSheet()->PressButton(PSBTN_BACK);
        }
    };
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
    // Back from the third page skips the second again and lands on the first, which then stays.
    first.onSetActive = [&](LoggingPage& page) {
        if (!wentBack) page.GetParentSheet()->PressButton(PSBTN_NEXT);
        else page.GetParentSheet()->EndDialog(IDOK);
    };
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:next", "1:kill", "2:init", "2:set", "3:init", "3:set",
                        "3:kill", "2:set", "1:set"}));
}

TEST(Win32Wizard, PageTimerEndsTheSheetWithAGivenResult) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    first.onSetActive = [](LoggingPage& page) { page.SetTimer(5, 20); };
    first.onTimer = [](LoggingPage& page, UINT_PTR id) {
        page.KillTimer(id);
        page.GetParentSheet()->EndDialog(77);
    };
    sheet.AddPage(&first);
    EXPECT_EQ(sheet.DoModal(), 77);
}

TEST(Win32Wizard, PagesAddedAndRemovedWhileRunning) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    LoggingPage second(kSecond, "2", log);
    LoggingPage third(kThird, "3", log);
    // The first page rebuilds the sequence behind it: the second goes, the third comes.
    first.onSetActive = [&](LoggingPage& page) {
        if (sheet.GetPageIndex(&third) < 0) {
            sheet.RemovePage(&second);
            sheet.AddPage(&third);
        }
        page.GetParentSheet()->PressButton(PSBTN_NEXT);
    };
    int activeIndex = -1;
    third.onSetActive = [&](LoggingPage& page) {
        EXPECT_EQ(sheet.GetPageCount(), 2);
        page.GetParentSheet()->PressButton(PSBTN_FINISH);
    };
    third.onFinish = [&](LoggingPage&) { activeIndex = sheet.GetActiveIndex(); };
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:next", "1:kill", "3:init", "3:set", "3:finish"}));
    EXPECT_EQ(activeIndex, 1);
}

TEST(Win32Wizard, TheEndOfTheSessionReachesEveryPageMadeSoFar) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    LoggingPage second(kSecond, "2", log);
    LoggingPage third(kThird, "3", log);
    first.onSetActive = [](LoggingPage& page) { page.GetParentSheet()->PressButton(PSBTN_NEXT); };
    second.onSetActive = [](LoggingPage& page) { page.SetTimer(5, 20); };
    LRESULT mayEnd = FALSE;
    // The system asks the wizard's window, then tells it, as it does at a logoff.
    second.onTimer = [&](LoggingPage& page, UINT_PTR id) {
        page.KillTimer(id);
        const HWND wizard = page.GetParentSheet()->m_hWnd;
        mayEnd = SendMessageA(wizard, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendMessageA(wizard, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        page.GetParentSheet()->EndDialog(IDOK);
    };
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);

    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(mayEnd);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:next", "1:kill", "2:init", "2:set", "1:endsession",
                        "2:endsession"}));
}

TEST(Win32Wizard, TheProgramEndsTheSheetWithoutAskingOrResettingThePages) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    first.allowCancel = FALSE;  // a user pressing Cancel would be kept here
    first.onSetActive = [](LoggingPage& page) { page.SetTimer(5, 20); };
    first.onTimer = [](LoggingPage& page, UINT_PTR id) {
        page.KillTimer(id);
        page.GetParentSheet()->EndDialog(IDRETRY);
        page.GetParentSheet()->EndDialog(IDABORT);  // the last result given stands
    };
    sheet.AddPage(&first);
    EXPECT_EQ(sheet.DoModal(), IDABORT);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set"}));
    EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST(Win32Wizard, CancelByTheUserStillAsksThePageAndResetsThePages) {
    Log log;
    LoggingSheet sheet(log);
    LoggingPage first(kFirst, "1", log);
    int asked = 0;
    first.allowCancel = FALSE;
    first.onSetActive = [](LoggingPage& page) { page.SetTimer(5, 20); };
    // Cancel is refused once, then the page lets the user go.
    first.onTimer = [&](LoggingPage& page, UINT_PTR id) {
        if (++asked == 2) page.allowCancel = TRUE;
        if (asked > 2) {
            page.KillTimer(id);
            return;
        }
        page.GetParentSheet()->PressButton(PSBTN_CANCEL);
    };
    sheet.AddPage(&first);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (Log{"sheet:init", "1:init", "1:set", "1:querycancel", "1:querycancel", "1:reset"}));
}

}  // namespace
