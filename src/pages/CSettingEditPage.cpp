#include "pages/CSettingEditPage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 1008;
constexpr UINT titleId = 11;
}  // namespace

CSettingEditPage::CSettingEditPage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CSettingEditPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
