#include "pages/CSettingSelectPage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 110;
constexpr UINT titleId = 16;
}  // namespace

CSettingSelectPage::CSettingSelectPage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CSettingSelectPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
