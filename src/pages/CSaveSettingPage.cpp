#include "pages/CSaveSettingPage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 1002;
constexpr UINT titleId = 18;
}  // namespace

CSaveSettingPage::CSaveSettingPage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CSaveSettingPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(m_info->dataSaved ? (PSWIZB_BACK | PSWIZB_FINISH) : (PSWIZB_BACK | PSWIZB_DISABLEDFINISH));
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
