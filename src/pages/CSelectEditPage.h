// The wizard's first page: the user chooses colour, gamma or setting exchange.
#pragma once

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"

class CSelectEditPage : public CPageFunction {
public:
    explicit CSelectEditPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnTaskClicked(UINT id);
    void ShowPicture(CmyStatic& picture, UINT bitmapId, const CmyStatic& frame);

    CmyButton m_colourRadio;    // 1012
    CmyButton m_gammaRadio;     // 1013
    CmyButton m_exchangeRadio;  // 1014
    CmyButton m_editGroup;      // 1009
    CmyButton m_exchangeGroup;  // 1015
    CmyStatic m_heading;        // 1007
    CmyStatic m_description;    // 1001
    CmyStatic m_mainPicture;    // 1011
    CmyStatic m_colourPicture;  // 1005
    CmyStatic m_gammaPicture;   // 1076
    CmyStatic m_exchangePicture;  // 1077
    CmyStatic m_mainFrame;      // 1129
    CmyStatic m_colourFrame;    // 1130
    CmyStatic m_gammaFrame;     // 1131
    CmyStatic m_exchangeFrame;  // 1132
};
