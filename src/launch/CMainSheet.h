// The wizard: owns every page, the shared wizard state and the dialog library for one call,
// builds the page sequence from the edit type, titles itself per page, offers the about box
// in its system menu and answers Help with the topic of the active page.
#pragma once

#include <string>

#include "color/CColorPalettePage.h"
#include "framework/CPropertySheet.h"
#include "gamma/CGammaPage.h"
#include "launch/CDlgRes.h"
#include "launch/CUtilityInfo.h"
#include "launch/CXVAboutDlg.h"
#include "launch/IWizardSheet.h"
#include "pages/CGammaSettingSelectPage.h"
#include "pages/CSaveSettingPage.h"
#include "pages/CSelectDriverPage.h"
#include "pages/CSelectEditPage.h"
#include "pages/CSettingEditPage.h"
#include "pages/CSettingSelectPage.h"

class CMainSheet : public CPropertySheet, public IWizardSheet {
public:
    static constexpr UINT helpCommandId = 57670;  // the framework's help command

    CMainSheet(const std::string& caption = {}, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CMainSheet() override;

    void SetPageSequence(int editType) override;
    void SetPageTitle(UINT titleId) override;
    CColorDataMng& GetColorDataMng() override { return m_colorPalettePage.GetDataMng(); }
    CGammaDataMng& GetGammaDataMng() override { return m_gammaPage.GetDataMng(); }
    // The caller named the printer: no driver page, and the printer is resolved now.
    void SetPrinter(const std::string& name);
    int GetSupportedPrinterCount() const;

    CUtilityInfo& GetUtilityInfo() { return m_info; }
    const std::string& GetHelpPath() const { return m_helpPath; }

    BOOL OnInitDialog() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;

private:
    void AddWizardPage(CPropertyPage* page);
    void ShowHelp();

    CDlgRes m_dlgRes;
    std::string m_aboutMenuText;
    CXVAboutDlg m_aboutDlg;
    CSettingEditPage m_settingEditPage;
    CGammaPage m_gammaPage;
    CUtilityInfo m_info;
    CSaveSettingPage m_saveSettingPage;
    CColorPalettePage m_colorPalettePage;
    CSettingSelectPage m_settingSelectPage;
    CGammaSettingSelectPage m_gammaSettingSelectPage;
    CSelectDriverPage m_selectDriverPage;
    CSelectEditPage m_selectEditPage;
    std::string m_helpPath;
    HICON m_icon = nullptr;
};
