#include "support/TestWizard.h"

#include "framework/ResourceModule.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"

TestWizard::TestWizard(const std::vector<CPropertyPage*>& pages)
{
    SetWizardMode();
    for (CPropertyPage* page : pages) AddPage(page);
}

void TestWizard::SetPageSequence(int editType)
{
    sequences.push_back(editType);
    if (sequenceHook) sequenceHook(*this, editType);
}

void TestWizard::SetPageTitle(UINT titleId)
{
    titles.push_back(titleId);
    SetTitle(CStrRes().Load(titleId));
}

INT_PTR TestWizard::RunWithDialogLibrary()
{
    CDlgRes library;
    HMODULE previous = fw::SetResourceModule(library.GetModule());
    const INT_PTR result = DoModal();
    fw::SetResourceModule(previous);
    return result;
}

TemplatePage::TemplatePage(UINT id, LPCDLGTEMPLATE pageTemplate) : CPropertyPage(id)
{
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = pageTemplate;
}
