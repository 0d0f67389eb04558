// A page of a property sheet (a wizard step). The sheet makes its window from the page's
// template (m_psp: dialog resource nIDTemplate of module hInstance, else of
// fw::GetResourceModule(); or with PSP_DLGINDIRECT the template's bytes in pResource)
// the first time the page is shown, and destroys it when the page is removed.
//
// Wizard notifications arrive as the virtual operations below:
//   OnSetActive    the page is shown; FALSE skips it
//   OnKillActive   the page is left; FALSE keeps it (the base saves the data exchange)
//   OnWizardNext / OnWizardBack   0 goes on, -1 stays, a template id goes to that page
//   OnWizardFinish TRUE ends the wizard with ID_WIZFINISH
//   OnQueryCancel  TRUE lets Cancel end the wizard with IDCANCEL
#pragma once

#include "framework/CDialog.h"

class CPropertySheet;

struct FwPageHeader {
    DWORD dwSize = sizeof(FwPageHeader);
    DWORD dwFlags = PSP_DEFAULT;        // PSP_HASHELP enables the sheet's Help button
    HINSTANCE hInstance = nullptr;      // the module that holds the template
    UINT nIDTemplate = 0;
    LPCDLGTEMPLATE pResource = nullptr;  // the template's bytes, with PSP_DLGINDIRECT
    UINT nIDCaption = 0;
};

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    FwPageHeader m_psp;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    CPropertySheet* GetParentSheet() const;
    // The template the sheet makes the page from (DLGTEMPLATEEX bytes); null when it cannot be
    // found. size receives its length, 0 when not known.
    LPCDLGTEMPLATE PageTemplate(DWORD* size = nullptr) const;
    // The module that holds the page's template (null: the program itself).
    HMODULE PageModule() const;

    // A page is not run on its own.
    INT_PTR DoModal() override { return -1; }

protected:
    void OnOK() override {}      // the sheet's OK/Apply (through OnApply)
    void OnCancel() override {}  // the sheet's Cancel (through OnReset)

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    bool m_firstSetActive = true;
};
