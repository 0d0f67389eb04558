// The title a page gives the wizard when it is activated is the one the sheet shows once the
// page is up, whichever way the wizard went and after the sequence of pages changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "support/TestTemplateIds.h"

namespace {

constexpr UINT_PTR kLookTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 99;

// A page that titles the wizard when activated, then, once the sheet has finished showing it,
// notes the sheet's window text and does the test's next step.
class TitlingPage : public CPropertyPage {
public:
    TitlingPage(UINT templateId, std::string title, std::vector<std::string>& seen)
        : CPropertyPage(templateId), m_title(std::move(title)), m_seen(seen) {}

    std::function<void(TitlingPage&)> then;

    BOOL OnSetActive() override {
        GetParentSheet()->SetTitle(m_title);
        SetTimer(kLookTimer, 10);  // timers come after the messages already posted
        return CPropertyPage::OnSetActive();
    }
    void OnTimer(UINT_PTR id) override {
        if (id != kLookTimer) return CPropertyPage::OnTimer(id);
        KillTimer(id);
        char text[128] = {};
        ::GetWindowTextA(GetParentSheet()->m_hWnd, text, sizeof(text));
        m_seen.emplace_back(text);
        if (then) then(*this);
    }

private:
    std::string m_title;
    std::vector<std::string>& m_seen;
};

class TitledWizard : public CPropertySheet {
public:
    TitledWizard() : CPropertySheet("Wizard") { SetWizardMode(); }
    BOOL OnInitDialog() override {
        SetTimer(kGiveUpTimer, 5000);
        return CPropertySheet::OnInitDialog();
    }
    void OnTimer(UINT_PTR id) override {
        if (id != kGiveUpTimer) return CPropertySheet::OnTimer(id);
        KillTimer(id);
        EndDialog(IDABORT);
    }
};

TEST(Win32WizardTitle, PageTitleShowsAfterNextBackAndAChangedSequence) {
    std::vector<std::string> seen;
    TitledWizard sheet;
    TitlingPage first(IDD_FW_PAGE_FIRST, "Wizard - First", seen);
    TitlingPage second(IDD_FW_PAGE_SECOND, "Wizard - Second", seen);
    TitlingPage third(IDD_FW_PAGE_THIRD, "Wizard - Third", seen);
    int firstVisits = 0;
    first.then = [&](TitlingPage& page) {
        if (++firstVisits == 1) {
            page.GetParentSheet()->PressButton(PSBTN_NEXT);
            return;
        }
        // Back on the first page: the second goes, the third takes its place.
        sheet.RemovePage(&second);
        sheet.AddPage(&third);
        page.GetParentSheet()->PressButton(PSBTN_NEXT);
    };
    second.then = [](TitlingPage& page) { page.GetParentSheet()->PressButton(PSBTN_BACK); };
    third.then = [](TitlingPage& page) { page.GetParentSheet()->EndDialog(IDOK); };
    sheet.AddPage(&first);
    sheet.AddPage(&second);

    ASSERT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"Wizard - First", "Wizard - Second", "Wizard - First", "Wizard - Third"}));
}

TEST(Win32WizardTitle, TitleSetLaterOnTheSamePageStays) {
    std::vector<std::string> seen;
    TitledWizard sheet;
    TitlingPage first(IDD_FW_PAGE_FIRST, "Wizard - First", seen);
    first.then = [&](TitlingPage& page) {
        page.GetParentSheet()->SetTitle("Wizard - Changed");
        char text[128] = {};
        ::GetWindowTextA(sheet.m_hWnd, text, sizeof(text));
        seen.emplace_back(text);
        page.GetParentSheet()->EndDialog(IDOK);
    };
    sheet.AddPage(&first);
    ASSERT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"Wizard - First", "Wizard - Changed"}));
}

}  // namespace
