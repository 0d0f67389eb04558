#include "framework/CDialog.h"

#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

BOOL CDialog::InitModalIndirect(const FwDialogTemplate* dialogTemplate, CWnd* parent) {
    if (!dialogTemplate) return FALSE;
    m_lpDialogTemplate = dialogTemplate;
    m_nIDHelp = dialogTemplate->id;
    if (parent) m_pParentWnd = parent;
    return TRUE;
}

const FwDialogTemplate* CDialog::ResolveTemplate() const {
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    if (m_nIDHelp == 0) return nullptr;
    return fw::ws::LoadTemplate(m_templateModule ? m_templateModule : fw::GetResourceModule(), m_nIDHelp);
}

INT_PTR CDialog::DoModal() {
    const FwDialogTemplate* dialogTemplate = ResolveTemplate();
    if (!dialogTemplate || m_hWnd) return -1;
    return fw::ws::RunModalDialog(this, dialogTemplate, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
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
