#include "gamma/CGammaPage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 1004;
constexpr UINT titleId = 8;
}  // namespace

CGammaPage::CGammaPage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CGammaPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
