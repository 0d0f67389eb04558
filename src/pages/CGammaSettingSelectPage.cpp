#include "pages/CGammaSettingSelectPage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 112;
constexpr UINT titleId = 17;
}  // namespace

CGammaSettingSelectPage::CGammaSettingSelectPage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CGammaSettingSelectPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
