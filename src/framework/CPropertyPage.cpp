#include "framework/CPropertyPage.h"

#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId) {
    m_psp.nIDTemplate = templateId;
    m_psp.nIDCaption = captionId;
}

BOOL CPropertyPage::OnSetActive() {
    // The first activation follows OnInitDialog, which loaded the controls already.
    if (m_firstSetActive) m_firstSetActive = false;
    else UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

CPropertySheet* CPropertyPage::GetParentSheet() const { return dynamic_cast<CPropertySheet*>(GetParent()); }

HMODULE CPropertyPage::PageModule() const { return m_psp.hInstance ? m_psp.hInstance : fw::GetResourceModule(); }

LPCDLGTEMPLATE CPropertyPage::PageTemplate(DWORD* size) const {
    if (m_psp.dwFlags & PSP_DLGINDIRECT) {
        if (size) *size = 0;
        return m_psp.pResource;
    }
    return fw::ws::LoadTemplate(PageModule(), m_psp.nIDTemplate, size);
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) m_firstSetActive = true;  // a new window for the page
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) { return CWnd::OnCommand(wParam, lParam); }

BOOL CPropertyPage::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return FALSE;
    switch (header->code) {
        case PSN_SETACTIVE: *result = OnSetActive() ? 0 : -1; return TRUE;
        case PSN_KILLACTIVE: *result = OnKillActive() ? FALSE : TRUE; return TRUE;
        case PSN_APPLY: *result = OnApply() ? 0 : 2; return TRUE;  // 2: invalid, stay on the page
        case PSN_RESET: OnReset(); *result = 0; return TRUE;
        case PSN_QUERYCANCEL: *result = OnQueryCancel() ? FALSE : TRUE; return TRUE;
        case PSN_WIZBACK: *result = OnWizardBack(); return TRUE;
        case PSN_WIZNEXT: *result = OnWizardNext(); return TRUE;
        case PSN_WIZFINISH: *result = OnWizardFinish() ? FALSE : TRUE; return TRUE;
        case PSN_HELP: *result = 0; return TRUE;  // the sheet has seen the Help command already
        default: return FALSE;
    }
}
