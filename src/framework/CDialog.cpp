#include "framework/CDialog.h"

#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

BOOL CDialog::InitModalIndirect(HGLOBAL dialogTemplate, CWnd* parent) {
    if (!dialogTemplate) return FALSE;
    m_hDialogTemplate = dialogTemplate;
    m_lpDialogTemplate = nullptr;
    if (parent) m_pParentWnd = parent;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    if (!dialogTemplate) return FALSE;
    m_lpDialogTemplate = dialogTemplate;
    m_hDialogTemplate = nullptr;
    if (parent) m_pParentWnd = parent;
    return TRUE;
}

HMODULE CDialog::TemplateModule() const { return m_templateModule ? m_templateModule : fw::GetResourceModule(); }

LPCDLGTEMPLATE CDialog::ResolveTemplate(DWORD* size) const {
    *size = 0;
    if (m_hDialogTemplate) return static_cast<LPCDLGTEMPLATE>(LockResource(m_hDialogTemplate));
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    if (m_nIDHelp == 0) return nullptr;
    return fw::ws::LoadTemplate(TemplateModule(), m_nIDHelp, size);
}

INT_PTR CDialog::DoModal() {
    DWORD size = 0;
    const LPCDLGTEMPLATE dialogTemplate = ResolveTemplate(&size);
    if (!dialogTemplate || m_hWnd) return -1;
    // A template handed over whole may come from any module; one found by id is the module's.
    const bool byId = !m_hDialogTemplate && !m_lpDialogTemplate;
    return fw::ws::RunModalDialog(this, dialogTemplate, size, byId ? TemplateModule() : m_templateModule,
                                  m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

void CDialog::EndDialog(int result) {
    if (m_hWnd) fw::ws::EndModal(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return TRUE;
        case IDCANCEL: OnCancel(); return TRUE;
        default: return FALSE;
    }
}
