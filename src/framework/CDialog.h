// A modal dialog made from a dialog resource of the dialog library:
//   CMyDialog dialog;  dialog.InitModalIndirect(dlgRes.LoadDialogTemplate(IDD_MY_DIALOG));
//   if (dialog.DoModal() == IDOK) ...
// or by template id, looked up in the template module (SetTemplateModule, else
// fw::GetResourceModule(); null: the program's own resources).
#pragma once

#include "framework/CWnd.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // The template as LoadResource gives it, or its bytes (DLGTEMPLATEEX); FALSE for null.
    BOOL InitModalIndirect(HGLOBAL dialogTemplate, CWnd* parent = nullptr);
    BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    void SetTemplateModule(HMODULE module) { m_templateModule = module; }
    UINT GetTemplateId() const { return m_nIDHelp; }

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the template is missing.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // Called when the window is made: the base loads the controls (UpdateData(FALSE)).
    // TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();

protected:
    // IDOK: saves the data (UpdateData(TRUE)) and ends with IDOK when that succeeds.
    virtual void OnOK();
    // IDCANCEL (also the close box): ends with IDCANCEL.
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The module templates are looked up in by id.
    HMODULE TemplateModule() const;
    // The template this dialog is made from (indirect, else looked up by id); size receives
    // its length, 0 when not known.
    LPCDLGTEMPLATE ResolveTemplate(DWORD* size) const;

    UINT m_nIDHelp = 0;  // the template id
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    HGLOBAL m_hDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    HMODULE m_templateModule = nullptr;
};
