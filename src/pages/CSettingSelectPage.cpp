#include "pages/CSettingSelectPage.h"

#include <type_traits>

#include "framework/DataExchange.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"
#include "testprint/CPrintMsgDlg.h"

namespace {

constexpr int kColourSettings = 1;
constexpr DWORD kPlatform9x = 1;
constexpr const char* kUtilityFolder = "\\Tintora\\";

// Every metafile family is driven the same way: open, print the page, then the notice.
// A sample carries no tables, so the XPS family gets no table type or setting either.
template <class Print>
void PrintMetafile(const std::string& printer, const std::string& path, const std::string& version)
{
    Print print;
    print.SetPrinterName(printer);
    print.OpenPrinterData();
    if constexpr (std::is_same_v<Print, CEmfInternalXPS>) {
        print.PrintPage(path, version, CEmfPrintBase::kindSample, nullptr, nullptr, 0, 0, 0);
    } else {
        print.PrintPage(path, version, CEmfPrintBase::kindSample, nullptr, nullptr, 0);
    }
    CPrintMsgDlg::ShowNotice();
}

}  // namespace

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
            catalog.SetFile(m_info->localCatalogPath, kColourSettings);
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
        CIniUtility utility;
        const std::string sampleFile = utility.GetVersionValue(m_info->ccmVersion, "SampleFile");
        if (sampleFile.empty()) throw CmyException(IDS_ERR_PAGE_NOT_FOUND, std::string(), CmyException::error);
        const std::string path = CFileAcc().BuildPath(sampleFile, kUtilityFolder);
        // Read again: the model's value counts, not what the shared state remembered.
        SendSample(path, utility.GetVersionValue(m_info->ccmVersion, "PrintMode"));
    } catch (const CmyException& e) {
        e.Report();
    }
}

void CSettingSelectPage::SendSample(const std::string& path, const std::string& printMode)
{
    const std::string& printer = m_info->printerName;
    const std::string& version = m_info->ccmVersion;
    if (printMode == "EMF") {
        PrintMetafile<CEmfPrint>(printer, path, version);
    } else if (printMode == "EMF_INTERNAL") {
        if (GetPlatformId() == kPlatform9x) {
            PrintMetafile<CEmfInternal9x>(printer, path, version);
        } else {
            PrintMetafile<CEmfInternalNT>(printer, path, version);
        }
    } else if (printMode == "EMF_INTERNAL_XPS") {
        PrintMetafile<CEmfInternalXPS>(printer, path, version);
    } else {
        m_print.SetPrinterName(printer);
        m_print.SendRawJob(version, path, nullptr, nullptr, 0);
    }
}
