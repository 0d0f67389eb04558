// Dialogs open where the system opens its message boxes: centred over their owner, or over the
// screen when they have none, and never off the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/CWnd.h"
#include "support/TestTemplateIds.h"
#include "support/DialogTemplateBuilder.h"
#include "win32ui/ProbeDialog.h"

namespace {

constexpr UINT_PTR kLookTimer = 1;

LPCDLGTEMPLATE SmallDialog() {
    static DialogTemplateBuilder builder = [] {
        DialogTemplateBuilder made(120, 60, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        made.Caption("Placed");
        return made;
    }();
    return builder.Get();
}

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Where the dialog is once it is up and running, run with owner (null: none).
RECT PlacedRect(HWND owner) {
    RECT placed{};
    ProbeDialog dialog(SmallDialog(), [](ProbeDialog& self) { self.SetTimer(kLookTimer, 10); });
    if (owner) dialog.InitModalIndirect(SmallDialog(), CWnd::FromHandle(owner));
    dialog.onTimer = [&placed](ProbeDialog& self, UINT_PTR id) {
        self.KillTimer(id);
        GetWindowRect(self.m_hWnd, &placed);
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    return placed;
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// A plain top-level window at the given place, gone with the object.
class OwnerWindow {
public:
    OwnerWindow(int x, int y, int cx, int cy)
        : m_window(CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, cx, cy, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~OwnerWindow() {
        if (m_window) DestroyWindow(m_window);
    }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

TEST(Win32DialogPlacement, DialogIsCentredOverItsOwner) {
    const RECT work = WorkArea();
    OwnerWindow owner(work.left + 200, work.top + 150, 500, 360);
    ASSERT_NE(owner.Get(), nullptr);
    RECT ownerRect{};
    GetWindowRect(owner.Get(), &ownerRect);

    const RECT placed = PlacedRect(owner.Get());
    EXPECT_GT(placed.right - placed.left, 0);
    EXPECT_LE(std::abs(Centre(placed).x - Centre(ownerRect).x), 1);
    EXPECT_LE(std::abs(Centre(placed).y - Centre(ownerRect).y), 1);
}

TEST(Win32DialogPlacement, DialogWithoutOwnerIsCentredOnTheScreen) {
    const RECT work = WorkArea();
    const RECT placed = PlacedRect(nullptr);
    EXPECT_LE(std::abs(Centre(placed).x - Centre(work).x), 1);
    EXPECT_LE(std::abs(Centre(placed).y - Centre(work).y), 1);
}

TEST(Win32DialogPlacement, DialogOverAnOwnerAtTheScreenEdgeStaysOnTheScreen) {
    const RECT work = WorkArea();
    OwnerWindow owner(work.left - 150, work.top - 100, 200, 150);
    ASSERT_NE(owner.Get(), nullptr);
    const RECT placed = PlacedRect(owner.Get());
    EXPECT_GE(placed.left, work.left);
    EXPECT_GE(placed.top, work.top);
}

// A wizard page that notes where its sheet is once it is up, then ends the wizard.
class PlacementPage : public CPropertyPage {
public:
    explicit PlacementPage(RECT& placed) : CPropertyPage(IDD_FW_PAGE_FIRST), m_placed(placed) {}
    BOOL OnSetActive() override {
        SetTimer(kLookTimer, 10);
        return CPropertyPage::OnSetActive();
    }
    void OnTimer(UINT_PTR id) override {
        if (id != kLookTimer) return CPropertyPage::OnTimer(id);
        KillTimer(id);
        ::GetWindowRect(GetParentSheet()->m_hWnd, &m_placed);
        GetParentSheet()->EndDialog(IDOK);
    }

private:
    RECT& m_placed;
};

TEST(Win32DialogPlacement, WizardWithoutOwnerIsCentredOnTheScreen) {
    RECT placed{};
    CPropertySheet sheet("Placed wizard");
    sheet.SetWizardMode();
    PlacementPage page(placed);
    sheet.AddPage(&page);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    const RECT work = WorkArea();
    EXPECT_GT(placed.right - placed.left, 0);
    EXPECT_LE(std::abs(Centre(placed).x - Centre(work).x), 1);
    EXPECT_LE(std::abs(Centre(placed).y - Centre(work).y), 1);
}

}  // namespace
