// The gamma setting-select page: picks the stored or default gamma setting to start from and
// records the number of a default entry.
#pragma once

#include "gamma/CGammaDataMng.h"
#include "pages/CSettingSelect.h"

class CGammaSettingSelectPage : public CSettingSelect {
public:
    explicit CGammaSettingSelectPage(CUtilityInfo* info);

    LRESULT OnWizardNext() override;

    void SetTexts() override;
    void FillList() override;

private:
    CGammaDataMng m_gammaDataMng;  // the page's own, for the stored names only
};
