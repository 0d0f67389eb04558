// The colour setting-select page: picks the stored or default colour setting to start from,
// and prints the printer model's sample page.
#pragma once

#include <string>

#include "color/CColorDataMng.h"
#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "pages/CSettingSelect.h"

class CSettingSelectPage : public CSettingSelect {
public:
    explicit CSettingSelectPage(CUtilityInfo* info);

    void SetTexts() override;
    void FillList() override;

    // Prints the model's sample page on the chosen printer; failures are reported.
    void PrintSample();

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnSampleClicked();

    CColorDataMng m_colorDataMng;  // the page's own, for the stored names only
    CmyStatic m_sampleText;    // IDC_COLORSELECT_SAMPLE_NOTE
    CmyButton m_sampleButton;  // IDC_COLORSELECT_SAMPLE_BUTTON
};
