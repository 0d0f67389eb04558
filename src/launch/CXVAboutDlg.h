// The about dialog of the wizard's system menu: icon, fixed text, and the version and
// copyright lines of "version.txt" in the current folder, read once at construction.
#pragma once

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "launch/CAboutDlg.h"

class CXVAboutDlg : public CAboutDlg {
public:
    explicit CXVAboutDlg(CWnd* parent = nullptr);

    void ShowTitle() override;
    void ShowContents() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnOkClicked();

    CmyButton m_ok;             // IDC_ABOUT_OK_BUTTON
    CmyStatic m_copyrightText;  // IDC_ABOUT_COPYRIGHT
    CmyStatic m_icon;           // IDC_ABOUT_ICON
};
