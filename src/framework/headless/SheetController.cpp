#include "framework/headless/SheetController.h"

#include <algorithm>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogBuilder.h"
#include "framework/headless/DialogManager.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {
namespace {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kDefaultPageWidth = 317 * 6 / 4;
constexpr int kDefaultPageHeight = 193 * 13 / 8;

// Captions of the sheet's own buttons, as the system shows them.
struct SheetButton {
    UINT id;
    const char* caption;
};
constexpr SheetButton kWizardButtons[] = {
    {ID_WIZBACK, "< &Back"}, {ID_WIZNEXT, "&Next >"}, {ID_WIZFINISH, "Finish"}, {IDCANCEL, "Cancel"}, {IDHELP, "&Help"}};
constexpr SheetButton kSheetButtons[] = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {ID_APPLY_NOW, "Apply"}, {IDHELP, "Help"}};

}  // namespace

HWND SheetController::Create(CPropertySheet* sheet) {
    Desktop& desktop = Desktop::Get();
    const bool wizard = (sheet->m_psh.dwFlags & PSH_WIZARD) != 0;

    int pageWidth = 0;
    int pageHeight = 0;
    for (int i = 0; i < sheet->GetPageCount(); ++i) {
        DWORD size = 0;
        const LPCDLGTEMPLATE pageTemplate = sheet->GetPage(i)->PageTemplate(&size);
        if (const auto layout = DialogTemplateReader::Read(pageTemplate, size)) {
            pageWidth = std::max(pageWidth, DialogBuilder::ToPixelsX(layout->cx));
            pageHeight = std::max(pageHeight, DialogBuilder::ToPixelsY(layout->cy));
        }
    }
    if (pageWidth == 0 || pageHeight == 0) {
        pageWidth = kDefaultPageWidth;
        pageHeight = kDefaultPageHeight;
    }
    const int width = pageWidth + 2 * kMargin;
    const int height = pageHeight + 3 * kMargin + kButtonHeight + kMargin;

    HWND owner = sheet->GetParentWindow() ? sheet->GetParentWindow()->m_hWnd : nullptr;
    Window& window = desktop.NewWindow(WindowKind::Sheet, "#32770", owner);
    window.text = sheet->GetCaption();
    window.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    window.rect = RECT{0, 0, width, height};
    window.bigIcon = window.smallIcon = sheet->m_psh.hIcon;
    window.sheet = std::make_unique<SheetController>(window.handle, sheet);
    const HWND handle = window.handle;
    window.sheet->m_pageArea = RECT{kMargin, kMargin, kMargin + pageWidth, kMargin + pageHeight};

    // Buttons right-aligned under the page; Next and Finish share a place.
    const int y = height - kMargin - kButtonHeight;
    const bool help = (sheet->m_psh.dwFlags & PSH_HASHELP) != 0;
    std::vector<SheetButton> row;
    if (wizard) row.assign(std::begin(kWizardButtons), std::end(kWizardButtons));
    else row.assign(std::begin(kSheetButtons), std::end(kSheetButtons));
    int slots = 0;
    for (const auto& button : row) {
        if (button.id != ID_WIZFINISH) ++slots;
    }
    int x = width - kMargin - slots * (kButtonWidth + kButtonGap) + kButtonGap;
    for (const auto& button : row) {
        if (button.id == ID_WIZFINISH) x -= kButtonWidth + kButtonGap;
        const DWORD style = (button.id == ID_WIZNEXT || button.id == IDOK) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        const HWND control = DialogBuilder::AddControl(handle, FW_CLASS_BUTTON, button.id, button.caption,
                                                       style | WS_TABSTOP, RECT{x, y, x + kButtonWidth, y + kButtonHeight});
        Window* made = desktop.Find(control);
        if ((button.id == IDHELP && !help) || button.id == ID_WIZFINISH ||
            (button.id == ID_APPLY_NOW && (sheet->m_psh.dwFlags & PSH_NOAPPLYNOW))) {
            made->style &= ~WS_VISIBLE;
        }
        if (button.id == ID_APPLY_NOW) made->style |= WS_DISABLED;
        x += kButtonWidth + kButtonGap;
    }

    sheet->Attach(handle);
    return handle;
}

bool SheetController::IsWizard() const { return (m_sheet->m_psh.dwFlags & PSH_WIZARD) != 0; }

int SheetController::ActiveIndex() const { return m_sheet->GetPageIndex(m_active); }

LRESULT SheetController::Notify(CPropertyPage* page, UINT code) {
    if (!page || !page->m_hWnd) return 0;
    PSHNOTIFY notify{};
    notify.hdr.hwndFrom = m_window;
    notify.hdr.idFrom = 0;
    notify.hdr.code = code;
    return Desktop::Get().Send(page->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

HWND SheetController::PageWindow(CPropertyPage* page) {
    Desktop& desktop = Desktop::Get();
    if (page->m_hWnd && desktop.Find(page->m_hWnd)) return page->m_hWnd;
    DWORD size = 0;
    const LPCDLGTEMPLATE pageTemplate = page->PageTemplate(&size);
    const auto layout = DialogTemplateReader::Read(pageTemplate, size);
    if (!layout) return nullptr;
    const HWND handle = DialogBuilder::Build(*layout, page->m_psp.nIDTemplate, WindowKind::Page, m_window,
                                             POINT{m_pageArea.left, m_pageArea.top});
    Window* window = desktop.Find(handle);
    window->rect = m_pageArea;
    // As the system's sheet makes its pages: a child control, enabled, shown when active.
    window->style = (window->style & ~(WS_POPUP | WS_DISABLED | WS_VISIBLE)) | WS_CHILD | DS_CONTROL;
    page->Attach(handle);
    desktop.Send(handle, WM_INITDIALOG, 0, 0);
    return desktop.Find(handle) ? handle : nullptr;
}

bool SheetController::Activate(int index, int direction) {
    Desktop& desktop = Desktop::Get();
    for (int i = index; i >= 0 && i < m_sheet->GetPageCount(); i += direction) {
        CPropertyPage* page = m_sheet->GetPage(i);
        const HWND pageWindow = PageWindow(page);
        if (!pageWindow) return false;
        if (Notify(page, PSN_SETACTIVE) != -1) {
            if (m_active && m_active != page && m_active->m_hWnd) {
                if (Window* old = desktop.Find(m_active->m_hWnd)) old->style &= ~WS_VISIBLE;
            }
            const HWND oldPage = m_active && m_active != page ? m_active->m_hWnd : nullptr;
            m_active = page;
            if (Window* shown = desktop.Find(pageWindow)) shown->style |= WS_VISIBLE;
            desktop.Invalidate(m_window);
            UpdateHelpButton();
            FocusPage(pageWindow, oldPage);
            return true;
        }
        if (direction == 0) return false;
    }
    return false;
}

void SheetController::FocusPage(HWND page, HWND oldPage) {
    // A focus on the sheet's own buttons stays; one on the page that went moves to the new one.
    Desktop& desktop = Desktop::Get();
    const Window* focus = desktop.Find(desktop.Focus());
    const bool onSheet = focus && focus->parent == m_window && focus->Visible() && focus->Enabled();
    if (onSheet && !(oldPage && focus->parent == oldPage)) return;
    if (DialogManager::FocusFirstTabStop(page)) return;
    DialogManager::FocusDefaultButton(m_window);
}

bool SheetController::Start() {
    const int count = m_sheet->GetPageCount();
    if (count == 0) return false;
    const int start = std::clamp(static_cast<int>(m_sheet->m_psh.nStartPage), 0, count - 1);
    if (IsWizard()) SetButtons(m_buttons);
    return Activate(start, 1);
}

bool SheetController::GoTo(int index, int direction) {
    if (index < 0 || index >= m_sheet->GetPageCount()) return false;
    if (m_active && Notify(m_active, PSN_KILLACTIVE) != 0) return false;
    return Activate(index, direction);
}

int SheetController::IndexOfTemplate(LRESULT templateId) const {
    for (int i = 0; i < m_sheet->GetPageCount(); ++i) {
        if (static_cast<LRESULT>(m_sheet->GetPage(i)->m_psp.nIDTemplate) == templateId) return i;
    }
    return -1;
}

void SheetController::Back() {
    if (!m_active) return;
    const LRESULT target = Notify(m_active, PSN_WIZBACK);
    if (target == -1) return;
    GoTo(target == 0 ? ActiveIndex() - 1 : IndexOfTemplate(target), -1);
}

void SheetController::Next() {
    if (!m_active) return;
    const LRESULT target = Notify(m_active, PSN_WIZNEXT);
    if (target == -1) return;
    // The page may have rebuilt the list behind it; "next" is the place after it now.
    GoTo(target == 0 ? ActiveIndex() + 1 : IndexOfTemplate(target), 1);
}

void SheetController::Finish() {
    if (!m_active) return;
    if (Notify(m_active, PSN_WIZFINISH) != 0) return;
    Desktop::Get().EndModal(m_window, ID_WIZFINISH);
}

void SheetController::Cancel() {
    if (m_active && Notify(m_active, PSN_QUERYCANCEL) != 0) return;
    for (int i = 0; i < m_sheet->GetPageCount(); ++i) Notify(m_sheet->GetPage(i), PSN_RESET);
    Desktop::Get().EndModal(m_window, IDCANCEL);
}

void SheetController::Help() {
    if (m_active) Notify(m_active, PSN_HELP);
}

bool SheetController::Apply() {
    if (m_active && Notify(m_active, PSN_KILLACTIVE) != 0) return false;
    for (int i = 0; i < m_sheet->GetPageCount(); ++i) {
        if (Notify(m_sheet->GetPage(i), PSN_APPLY) != 0) return false;
    }
    ShowButton(ID_APPLY_NOW, !(m_sheet->m_psh.dwFlags & PSH_NOAPPLYNOW), false);
    return true;
}

void SheetController::Ok() {
    if (Apply()) Desktop::Get().EndModal(m_window, IDOK);
}

void SheetController::ShowButton(UINT id, bool visible, bool enabled) {
    Desktop& desktop = Desktop::Get();
    const Window* sheetWindow = desktop.Find(m_window);
    if (!sheetWindow) return;
    for (HWND child : sheetWindow->children) {
        Window* button = desktop.Find(child);
        if (!button || button->kind != WindowKind::Control || button->id != id) continue;
        button->style = visible ? button->style | WS_VISIBLE : button->style & ~WS_VISIBLE;
        button->style = enabled ? button->style & ~WS_DISABLED : button->style | WS_DISABLED;
        desktop.Invalidate(child);
    }
}

void SheetController::SetButtons(DWORD flags) {
    m_buttons = flags;
    ShowButton(ID_WIZBACK, true, (flags & PSWIZB_BACK) != 0);
    const bool finish = (flags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    ShowButton(ID_WIZNEXT, !finish, (flags & PSWIZB_NEXT) != 0);
    ShowButton(ID_WIZFINISH, finish, finish && !(flags & PSWIZB_DISABLEDFINISH));
    // A button that went away or grey cannot keep the focus: it moves into the page, or to the
    // default button.
    Desktop& desktop = Desktop::Get();
    const Window* focus = desktop.Find(desktop.Focus());
    if (focus && focus->parent == m_window && !(focus->Visible() && focus->Enabled()) && m_active && m_active->m_hWnd) {
        FocusPage(m_active->m_hWnd, m_active->m_hWnd);
    }
}

void SheetController::UpdateHelpButton() {
    const bool shown = (m_sheet->m_psh.dwFlags & PSH_HASHELP) != 0;
    ShowButton(IDHELP, shown, shown && m_active && (m_active->m_psp.dwFlags & PSP_HASHELP));
}

void SheetController::PageRemoving(int index) {
    CPropertyPage* page = m_sheet->GetPage(index);
    if (!page) return;
    if (page == m_active) {
        // The system shows the page before it (or after it, for the first one).
        m_active = nullptr;
        const int other = index > 0 ? index - 1 : index + 1;
        if (other < m_sheet->GetPageCount()) Activate(other, 0);
    }
    if (page->m_hWnd) Desktop::Get().DestroyWindow(page->m_hWnd);
}

LRESULT SheetController::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            if (!Start()) Desktop::Get().EndModal(m_window, -1);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return 0;
            switch (LOWORD(wParam)) {
                case ID_WIZBACK: Back(); break;
                case ID_WIZNEXT: Next(); break;
                case ID_WIZFINISH: Finish(); break;
                case IDCANCEL: Cancel(); break;
                case IDHELP: Help(); break;
                case IDOK: Ok(); break;
                case ID_APPLY_NOW: Apply(); break;
                default: break;
            }
            return 0;
        case WM_CLOSE: Cancel(); return 0;
        case PSM_SETWIZBUTTONS: SetButtons(static_cast<DWORD>(lParam)); return 0;
        case PSM_PRESSBUTTON:
            switch (static_cast<int>(wParam)) {
                case PSBTN_BACK: Back(); break;
                case PSBTN_NEXT: Next(); break;
                case PSBTN_FINISH: Finish(); break;
                case PSBTN_OK: Ok(); break;
                case PSBTN_APPLYNOW: Apply(); break;
                case PSBTN_CANCEL: Cancel(); break;
                case PSBTN_HELP: Help(); break;
                default: break;
            }
            return 0;
        case PSM_SETCURSEL: {
            int index = static_cast<int>(wParam);
            if (lParam) {
                index = -1;
                for (int i = 0; i < m_sheet->GetPageCount(); ++i) {
                    if (reinterpret_cast<LPARAM>(m_sheet->GetPage(i)) == lParam) index = i;
                }
            }
            return GoTo(index, 0) ? TRUE : FALSE;
        }
        case PSM_GETCURRENTPAGEHWND: return reinterpret_cast<LRESULT>(m_active ? m_active->m_hWnd : nullptr);
        case PSM_SETTITLEA: return GenericWindow::Proc(window, WM_SETTEXT, 0, lParam);
        case PSM_CHANGED: ShowButton(ID_APPLY_NOW, !(m_sheet->m_psh.dwFlags & PSH_NOAPPLYNOW), true); return 0;
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
