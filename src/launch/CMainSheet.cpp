#include "launch/CMainSheet.h"

#include "framework/CMenu.h"
#include "framework/WindowSystem.h"
#include "launch/CHelpDispatcher.h"
#include "launch/CStrRes.h"
#include "launch/LibraryModule.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"

namespace {

enum EditType { editNone = 0, editColor = 1, editGamma = 2, editExchange = 3 };

}  // namespace

CMainSheet::CMainSheet(const std::string& caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage),
      m_settingEditPage(&m_info),
      m_gammaPage(&m_info),
      m_saveSettingPage(&m_info),
      m_colorPalettePage(&m_info),
      m_settingSelectPage(&m_info),
      m_gammaSettingSelectPage(&m_info),
      m_selectDriverPage(&m_info),
      m_selectEditPage(&m_info)
{
    SetPageSequence(editNone);
    m_icon = fw::ws::LoadIconResource(LibraryModule(), IDI_APPICON);
    m_helpPath = CFileAcc().BuildPath(CIniUtility().Get("HelpFile", "FileName"), "\\Tintora\\");
    {
        // The sheet's own holder keeps the library, and so the template, loaded. The box is
        // owned by the sheet, so it opens over the wizard.
        CDlgRes templates;
        m_aboutDlg.InitModalIndirect(fw::ws::LoadTemplate(templates.GetModule(), IDD_ABOUT_DIALOG), this);
    }
    m_aboutMenuText = CStrRes().Load(IDS_MENU_ABOUT);
}

CMainSheet::~CMainSheet()
{
    // The pages die before the sheet's base: take them out of the list first.
    while (GetPageCount() > 0) RemovePage(GetPageCount() - 1);
    // The sheet's window has gone; the system never releases the icon it was given.
    if (m_icon) fw::ws::DeleteGdiObject(m_icon);
}

void CMainSheet::SetPageSequence(int editType)
{
    while (GetPageCount() > 1) RemovePage(GetPageCount() - 1);
    if (GetPageCount() == 0) AddWizardPage(&m_selectEditPage);

    const bool withDriverPage = m_info.printerGiven == 0;
    switch (editType) {
        case editColor:
            if (withDriverPage) AddWizardPage(&m_selectDriverPage);
            AddWizardPage(&m_settingSelectPage);
            AddWizardPage(&m_colorPalettePage);
            AddWizardPage(&m_saveSettingPage);
            break;
        case editGamma:
            if (withDriverPage) AddWizardPage(&m_selectDriverPage);
            AddWizardPage(&m_gammaSettingSelectPage);
            AddWizardPage(&m_gammaPage);
            AddWizardPage(&m_saveSettingPage);
            break;
        case editExchange:
            if (withDriverPage) AddWizardPage(&m_selectDriverPage);
            AddWizardPage(&m_settingEditPage);
            break;
        default:
            break;
    }
}

void CMainSheet::AddWizardPage(CPropertyPage* page)
{
    page->m_psp.hInstance = m_dlgRes.GetModule();
    AddPage(page);
}

void CMainSheet::SetPageTitle(UINT titleId)
{
    const std::string text = CStrRes().Load(titleId);
    switch (titleId) {
        case IDS_TITLE_COLOR_PALETTE:
        case IDS_TITLE_GAMMA:
        case IDS_TITLE_SAVE_SETTING:
            SetTitle(FormatText(text, m_info.driverName, m_info.selectedSettingName));
            break;
        case IDS_TITLE_SETTING_EXCHANGE:
        case IDS_TITLE_COLOR_SETTING_SELECT:
        case IDS_TITLE_GAMMA_SETTING_SELECT:
            SetTitle(FormatText(text, m_info.driverName));
            break;
        default:
            SetTitle(text);
            break;
    }
}

void CMainSheet::SetPrinter(const std::string& name)
{
    m_info.printerGiven = 1;
    m_info.printerName = name;
    m_selectDriverPage.ApplyPrinter();
}

int CMainSheet::GetSupportedPrinterCount() const { return m_selectDriverPage.GetSupportedPrinterCount(); }

BOOL CMainSheet::OnInitDialog()
{
    if (m_icon) {
        SetIcon(m_icon, TRUE);
        SetIcon(m_icon, FALSE);
    }
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, m_aboutMenuText);
    }
    return CPropertySheet::OnInitDialog();
}

BOOL CMainSheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id == helpCommandId || id == IDHELP) ShowHelp();
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CMainSheet::OnSysCommand(UINT id, LPARAM lParam)
{
    if (id == IDM_ABOUTBOX) m_aboutDlg.DoModal();
    CPropertySheet::OnSysCommand(id, lParam);
}

void CMainSheet::ShowHelp() { CHelpDispatcher().ShowHelp(m_helpPath, GetActiveIndex(), m_info.editType); }
