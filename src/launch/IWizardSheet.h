// What the wizard pages ask of the main sheet, without depending on the sheet class:
// the sheet implements this next to CPropertySheet, and pages find it by a cross cast.
#pragma once

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "launch/CStrRes.h"

class CColorDataMng;
class CGammaDataMng;

class IWizardSheet {
public:
    virtual ~IWizardSheet() = default;
    // Rebuilds the pages after the select-edit page for edit type 1, 2 or 3.
    virtual void SetPageSequence(int editType) = 0;
    // Sets the sheet's title to string titleId.
    virtual void SetPageTitle(UINT titleId) = 0;
    // The managers owned by the colour palette page and the gamma page.
    virtual CColorDataMng& GetColorDataMng() = 0;
    virtual CGammaDataMng& GetGammaDataMng() = 0;
};

// The wizard sheet of page, or null when the page runs in another sheet.
inline IWizardSheet* FindWizardSheet(const CPropertyPage& page)
{
    return dynamic_cast<IWizardSheet*>(page.GetParentSheet());
}

// Sets the title of page's sheet to string titleId: through the wizard sheet when there is
// one, else straight on the sheet.
inline void SetSheetTitle(const CPropertyPage& page, UINT titleId, const CStrRes& strings)
{
    if (IWizardSheet* wizard = FindWizardSheet(page)) {
        wizard->SetPageTitle(titleId);
    } else if (CPropertySheet* sheet = page.GetParentSheet()) {
        sheet->SetTitle(strings.Load(titleId));
    }
}
