#include "framework/win32/SheetRunner.h"

#include <algorithm>
#include <string>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/win32/FrameworkModule.h"
#include "framework/win32/WindowBinding.h"
#include "framework/win32/WindowCentring.h"

namespace fw::win32 {
namespace {

// Sheets running now, innermost last (a page may run another sheet).
std::vector<SheetRunner*>& Running() {
    static std::vector<SheetRunner*> running;
    return running;
}

SheetRunner* g_creating = nullptr;

}  // namespace

UINT SheetRunner::TitleMessage() {
    static const UINT message = RegisterWindowMessageA("FwReapplySheetTitle");
    return message;
}

bool SheetRunner::HandleSheetMessage(HWND window, UINT message) {
    if (message != TitleMessage()) return false;
    SheetRunner* runner = ForSheet(window);
    if (!runner) return false;
    SetWindowTextA(window, runner->m_sheet->GetCaption().c_str());
    return true;
}

void SheetRunner::PassToPages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ENDSESSION) return;
    SheetRunner* runner = ForSheet(window);
    if (!runner) return;
    // The system's sheet keeps the end of the session to itself; the pages made so far need it
    // too (a page may hold something temporary that must not outlive the session).
    std::vector<HWND> pages;
    for (int i = 0; i < runner->m_sheet->GetPageCount(); ++i) {
        const CPropertyPage* page = runner->m_sheet->GetPage(i);
        if (page->m_hWnd && ::IsWindow(page->m_hWnd)) pages.push_back(page->m_hWnd);
    }
    for (HWND page : pages) SendMessageA(page, message, wParam, lParam);
}

bool SheetRunner::SwallowPageNotification(CWnd* object, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || !dynamic_cast<CPropertyPage*>(object)) return false;
    if (header->code != PSN_QUERYCANCEL && header->code != PSN_RESET) return false;
    const SheetRunner* runner = ForSheet(header->hwndFrom);
    if (!runner || !runner->m_ended) return false;
    // The program ends the sheet through its Cancel button: the pages are not asked whether the
    // user may leave, and are not told that the user cancelled.
    *result = FALSE;
    return true;
}

SheetRunner* SheetRunner::ForSheet(HWND window) {
    for (SheetRunner* runner : Running()) {
        if (runner->m_window == window) return runner;
    }
    return nullptr;
}

bool SheetRunner::HasPage(const CPropertyPage* page) const { return m_sheet->GetPageIndex(page) >= 0; }

PROPSHEETPAGEA SheetRunner::PageHeader(CPropertyPage* page) {
    PROPSHEETPAGEA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = page->m_psp.dwFlags & (PSP_DLGINDIRECT | PSP_HASHELP);
    header.hInstance = page->PageModule() ? page->PageModule() : FrameworkModule();
    if (header.dwFlags & PSP_DLGINDIRECT) header.pResource = page->m_psp.pResource;
    else header.pszTemplate = MAKEINTRESOURCEA(page->m_psp.nIDTemplate);
    header.pfnDlgProc = &SheetRunner::PageProc;
    header.lParam = reinterpret_cast<LPARAM>(page);
    return header;
}

LRESULT CALLBACK SheetRunner::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    SheetRunner* runner = g_creating;
    if (code == HCBT_CREATEWND && runner && !runner->m_window) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const auto window = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        GetClassNameA(window, name, sizeof(name));
        if (!(create->lpcs->style & WS_CHILD) && std::string(name) == "#32770") {
            runner->m_window = window;
            runner->m_sheet->Attach(window);
        }
    }
    return CallNextHookEx(runner ? runner->m_hook : nullptr, code, wParam, lParam);
}

INT_PTR SheetRunner::Run() {
    std::vector<PROPSHEETPAGEA> pages;
    for (int i = 0; i < m_sheet->GetPageCount(); ++i) {
        CPropertyPage* page = m_sheet->GetPage(i);
        if (!page->PageTemplate()) return -1;  // the system's sheet would fail on it
        pages.push_back(PageHeader(page));
    }
    if (pages.empty()) return -1;

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK |
                     (m_sheet->m_psh.dwFlags & (PSH_WIZARD | PSH_HASHELP | PSH_NOAPPLYNOW));
    header.pfnCallback = &SheetRunner::SheetCallback;
    if (m_sheet->m_psh.hIcon) {
        header.dwFlags |= PSH_USEHICON;
        header.hIcon = m_sheet->m_psh.hIcon;
    }
    CWnd* parent = m_sheet->GetParentWindow();
    header.hwndParent = parent ? parent->m_hWnd : nullptr;
    header.hInstance = FrameworkModule();
    header.pszCaption = m_sheet->GetCaption().c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = std::min<UINT>(m_sheet->m_psh.nStartPage, header.nPages - 1);
    header.ppsp = pages.data();

    Running().push_back(this);
    g_creating = this;
    m_hook = SetWindowsHookExA(WH_CBT, &SheetRunner::CreationHook, nullptr, GetCurrentThreadId());
    const INT_PTR returned = PropertySheetA(&header);
    if (m_hook) UnhookWindowsHookEx(m_hook);
    g_creating = nullptr;
    std::erase(Running(), this);
    if (m_sheet->m_hWnd) m_sheet->Detach();

    if (m_ended) return m_endResult;
    if (returned < 0 || !m_window) return -1;
    if (m_finished) return ID_WIZFINISH;
    if (returned == 0) return IDCANCEL;
    return m_sheet->IsWizard() ? ID_WIZFINISH : IDOK;
}

INT_PTR CALLBACK SheetRunner::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // Stop looking for the sheet: its first page is being made, so it exists.
    if (g_creating && g_creating->m_hook) {
        UnhookWindowsHookEx(g_creating->m_hook);
        g_creating->m_hook = nullptr;
    }
    const auto* header = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* page = header ? reinterpret_cast<CPropertyPage*>(header->lParam) : nullptr;
    if (!page) return TRUE;
    page->Attach(window);
    return page->HandleMessage(WM_INITDIALOG, wParam, 0);
}

int CALLBACK SheetRunner::SheetCallback(HWND window, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) CentreOverOwner(window);
    return 0;
}

bool SheetRunner::End(HWND window, INT_PTR result) {
    SheetRunner* runner = ForSheet(window);
    if (!runner) return false;
    // As with a dialog, the last result given before the sheet goes is the one it returns.
    runner->m_endResult = result;
    if (runner->m_ended) return true;
    runner->m_ended = true;
    PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return true;
}

void SheetRunner::PageAdded(HWND window, CPropertyPage* page) {
    SheetRunner* runner = ForSheet(window);
    if (!runner || !page) return;
    if (!page->PageTemplate()) return;
    PROPSHEETPAGEA header = runner->PageHeader(page);
    if (HPROPSHEETPAGE handle = CreatePropertySheetPageA(&header)) {
        if (!SendMessageA(window, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) DestroyPropertySheetPage(handle);
    }
}

void SheetRunner::PageRemoving(HWND window, int index) {
    if (!ForSheet(window)) return;
    SendMessageA(window, PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
}

LRESULT SheetRunner::TranslatePageResult(CWnd* object, LPARAM lParam, LRESULT result) {
    auto* page = dynamic_cast<CPropertyPage*>(object);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!page || !header) return result;
    SheetRunner* runner = ForSheet(header->hwndFrom);
    if (!runner || !runner->HasPage(page)) return result;
    switch (header->code) {
        case PSN_SETACTIVE:
            if (result == 0) PostMessageA(runner->m_window, TitleMessage(), 0, 0);
            return result;
        case PSN_WIZFINISH:
            if (result == 0) runner->m_finished = true;
            return result;
        case PSN_WIZNEXT:
        case PSN_WIZBACK: {
            if (result == 0 || result == -1) return result;
            for (int i = 0; i < runner->m_sheet->GetPageCount(); ++i) {
                const CPropertyPage* target = runner->m_sheet->GetPage(i);
                if (static_cast<LRESULT>(target->m_psp.nIDTemplate) != result) continue;
                if (!(target->m_psp.dwFlags & PSP_DLGINDIRECT)) return result;  // the page's resource id
                // A page made from bytes has no resource id for the sheet to find: stay, and
                // select the page by its index once this notification is over.
                PostMessageA(runner->m_window, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
                return -1;
            }
            return -1;  // no such page: stay
        }
        default: return result;
    }
}

}  // namespace fw::win32
