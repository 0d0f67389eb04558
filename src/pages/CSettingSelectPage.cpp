#include "pages/CSettingSelectPage.h"

#include "framework/DataExchange.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "testprint/CTestPrint.h"

CSettingSelectPage::CSettingSelectPage(CUtilityInfo* info)
    : CSettingSelect(IDD_COLOR_SETTING_SELECT_PAGE, IDS_TITLE_COLOR_SETTING_SELECT,
                     ControlIds{IDC_COLORSELECT_LIST, IDC_COLORSELECT_PICTURE, IDC_COLORSELECT_PICTURE_FRAME,
                                IDC_COLORSELECT_INSTRUCTION},
                     info)
{
    MapCommand(IDC_COLORSELECT_SAMPLE_BUTTON, &CSettingSelectPage::OnSampleClicked);
}

void CSettingSelectPage::DoDataExchange(CDataExchange* dx)
{
    CSettingSelect::DoDataExchange(dx);
    DDX_Control(dx, IDC_COLORSELECT_SAMPLE_NOTE, m_sampleText);
    DDX_Control(dx, IDC_COLORSELECT_SAMPLE_BUTTON, m_sampleButton);
}

void CSettingSelectPage::SetTexts()
{
    m_text.SetCaption(IDS_COLORSELECT_INSTRUCTION);
    m_sampleText.SetCaption(IDS_COLORSELECT_SAMPLE_NOTE);
    m_sampleButton.SetCaption(IDS_BUTTON_PRINT_SAMPLE);
    ShowPicture(IDB_SIDE_PICTURE);
}

void CSettingSelectPage::FillList()
{
    try {
        m_colorDataMng.SetUtilityInfo(*m_info);
        m_settingList.ResetContent();
        m_settingList.AddDefaultItem();

        CmyStringArray names;
        if (m_info->catalogRestored == 1) {
            CCtrlMng catalog;
            catalog.SetFile(m_info->localCatalogPath, CDataMngBase::kindColor);
            names = catalog.GetSettingNames();
        } else {
            names = m_colorDataMng.GetSettingNames();
        }
        m_settingList.AddNames(names);

        if (m_info->selectedSettingName.empty()) {
            m_settingList.SelectDefaultItem();
        } else {
            SelectSavedName();
        }
    } catch (const CmyException& e) {
        e.Report();
    }
}

void CSettingSelectPage::OnSampleClicked()
{
    PrintSample();
}

void CSettingSelectPage::PrintSample()
{
    try {
        CTestPrint(*m_info, this).PrintSample();
    } catch (const CmyException& e) {
        e.Report();
    }
}
