// The base of every wizard page: the shared wizard state, a string library open for the
// page's lifetime, the cancel confirmation and the clean-up when the wizard finishes.
#pragma once

#include "framework/CPropertyPage.h"
#include "launch/CStrRes.h"
#include "launch/CUtilityInfo.h"

class CPageFunction : public CPropertyPage {
public:
    // templateId: the page's dialog template in the dialog library. info is not owned.
    CPageFunction(UINT templateId, CUtilityInfo* info);

    // Asks IDS_QUESTION_CANCEL (nothing unsaved) or IDS_QUESTION_CANCEL_UNSAVED; OK removes the
    // temporary ICC data.
    BOOL OnQueryCancel() override;
    // Removes the temporary ICC data, then finishes.
    BOOL OnWizardFinish() override;

    void RemoveTemporaryIcc();
    // 1 for the Windows 95 family, 2 for the NT family, as the version query reports it.
    static DWORD GetPlatformId();

    CUtilityInfo* GetUtilityInfo() const { return m_info; }

protected:
    CUtilityInfo* m_info;
    CStrRes m_strRes;
};
