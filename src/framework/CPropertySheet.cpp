#include "framework/CPropertySheet.h"

#include <algorithm>

#include "framework/CPropertyPage.h"
#include "framework/WindowSystem.h"

CPropertySheet::CPropertySheet(const std::string& caption, CWnd* parent, UINT selectPage)
    : m_caption(caption), m_pParentWnd(parent) {
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page) return;
    m_pages.push_back(page);
    if (m_hWnd) fw::ws::SheetPageAdded(m_hWnd, page);
}

void CPropertySheet::RemovePage(CPropertyPage* page) { RemovePage(GetPageIndex(page)); }

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount()) return;
    if (m_hWnd) fw::ws::SheetPageRemoving(m_hWnd, index);
    m_pages.erase(m_pages.begin() + index);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
    const auto pageWindow = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (int index = 0; index < GetPageCount(); ++index) {
        if (pageWindow && m_pages[static_cast<size_t>(index)]->m_hWnd == pageWindow) return index;
    }
    return -1;
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index)));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

void CPropertySheet::SetWizardButtons(DWORD flags) {
    if (m_hWnd) PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void CPropertySheet::PressButton(int button) {
    if (m_hWnd) PostMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button));
}

void CPropertySheet::SetTitle(const std::string& title) {
    m_caption = title;
    if (m_hWnd) SetWindowText(title);
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd || m_pages.empty()) return -1;
    return fw::ws::RunPropertySheet(this);
}

void CPropertySheet::EndDialog(int result) {
    if (m_hWnd) fw::ws::EndModal(m_hWnd, result);
}

BOOL CPropertySheet::OnInitDialog() { return static_cast<BOOL>(Default()); }

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}
