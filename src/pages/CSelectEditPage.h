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

    CmyButton m_colourRadio;      // IDC_SELECTEDIT_COLOR_RADIO
    CmyButton m_gammaRadio;       // IDC_SELECTEDIT_GAMMA_RADIO
    CmyButton m_exchangeRadio;    // IDC_SELECTEDIT_EXCHANGE_RADIO
    CmyButton m_editGroup;        // IDC_SELECTEDIT_ADJUST_GROUP
    CmyButton m_exchangeGroup;    // IDC_SELECTEDIT_MANAGE_GROUP
    CmyStatic m_heading;          // IDC_SELECTEDIT_HEADING
    CmyStatic m_description;      // IDC_SELECTEDIT_DESCRIPTION
    CmyStatic m_mainPicture;      // IDC_SELECTEDIT_PICTURE
    CmyStatic m_colourPicture;    // IDC_SELECTEDIT_COLOR_PICTURE
    CmyStatic m_gammaPicture;     // IDC_SELECTEDIT_GAMMA_PICTURE
    CmyStatic m_exchangePicture;  // IDC_SELECTEDIT_EXCHANGE_PICTURE
    CmyStatic m_mainFrame;        // IDC_SELECTEDIT_PICTURE_FRAME
    CmyStatic m_colourFrame;      // IDC_SELECTEDIT_COLOR_FRAME
    CmyStatic m_gammaFrame;       // IDC_SELECTEDIT_GAMMA_FRAME
    CmyStatic m_exchangeFrame;    // IDC_SELECTEDIT_EXCHANGE_FRAME
};
