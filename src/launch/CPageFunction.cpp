#include "launch/CPageFunction.h"

#include "launch/CTemporaryIcc.h"
#include "launch/CmyMessageBox.h"
#include "launch/LaunchChecks.h"

namespace {
constexpr UINT msgCancelNothingUnsaved = 521;
constexpr UINT msgCancelUnsavedChanges = 517;
constexpr int captionTitle = 1;
}  // namespace

CPageFunction::CPageFunction(UINT templateId, CUtilityInfo* info) : CPropertyPage(templateId), m_info(info)
{
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CPageFunction::OnQueryCancel()
{
    const UINT text = m_info->dataSaved ? msgCancelNothingUnsaved : msgCancelUnsavedChanges;
    if (CmyMessageBox().Show(GetSafeHwnd(), text, MB_OKCANCEL, captionTitle) != IDOK) return FALSE;
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
