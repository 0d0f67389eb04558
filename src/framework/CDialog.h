// A modal dialog made from a template of the dialog library:
//   CMyDialog dialog;  dialog.InitModalIndirect(dlgRes.LoadDialogTemplate(IDD_MY_DIALOG));
//   if (dialog.DoModal() == IDOK) ...
// or by template id, looked up in the template module (SetTemplateModule, else
// fw::GetResourceModule()).
#pragma once

#include "framework/CWnd.h"
#include "framework/DialogTemplate.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    BOOL InitModalIndirect(const FwDialogTemplate* dialogTemplate, CWnd* parent = nullptr);
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
    // The template this dialog is made from (indirect, else looked up by id).
    const FwDialogTemplate* ResolveTemplate() const;

    UINT m_nIDHelp = 0;  // the template id
    const FwDialogTemplate* m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    HMODULE m_templateModule = nullptr;
};
