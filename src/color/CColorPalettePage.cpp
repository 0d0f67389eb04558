#include "color/CColorPalettePage.h"

#include "framework/CPropertySheet.h"
#include "launch/IWizardSheet.h"

namespace {
constexpr UINT templateId = 111;
constexpr UINT titleId = 3;
}  // namespace

CColorPalettePage::CColorPalettePage(CUtilityInfo* info) : CPageFunction(templateId, info) {}

BOOL CColorPalettePage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    SetSheetTitle(*this, titleId, m_strRes);
    return CPageFunction::OnSetActive();
}
