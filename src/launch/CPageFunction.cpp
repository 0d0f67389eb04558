#include "launch/CPageFunction.h"

#include "launch/CTemporaryIcc.h"
#include "launch/CmyMessageBox.h"
#include "launch/LaunchChecks.h"
#include "resources/resource.h"

CPageFunction::CPageFunction(UINT templateId, CUtilityInfo* info) : CPropertyPage(templateId), m_info(info)
{
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CPageFunction::OnQueryCancel()
{
    const UINT text = m_info->dataSaved ? IDS_QUESTION_CANCEL : IDS_QUESTION_CANCEL_UNSAVED;
    if (CmyMessageBox().Show(GetSafeHwnd(), text, MB_OKCANCEL, IDS_TITLE_UTILITY) != IDOK) return FALSE;
    RemoveTemporaryIcc();
    return TRUE;
}

BOOL CPageFunction::OnWizardFinish()
{
    RemoveTemporaryIcc();
    return CPropertyPage::OnWizardFinish();
}

void CPageFunction::RemoveTemporaryIcc()
{
    CTemporaryIcc::Remove(m_info->driverCatalogPath);
}

DWORD CPageFunction::GetPlatformId()
{
    return QueryPlatformId();
}
