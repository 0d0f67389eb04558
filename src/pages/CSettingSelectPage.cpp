#include "pages/CSettingSelectPage.h"

#include <type_traits>

#include "framework/DataExchange.h"
#include "launch/CmyException.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"
#include "testprint/CPrintMsgDlg.h"

namespace {

constexpr UINT kTemplate = 110;
constexpr UINT strTitle = 16;
constexpr UINT strInstruction = 110;
constexpr UINT strSampleNote = 112;
constexpr UINT strSampleButton = 206;
constexpr UINT kPictureBitmap = 1500;
constexpr UINT msgNoSampleFile = 524;

constexpr int idText = 1020;
constexpr int idList = 1021;
constexpr int idPicture = 1022;
constexpr int idSampleText = 1023;
constexpr int idSampleButton = 1024;
constexpr int idFrame = 1133;

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
    : CSettingSelect(kTemplate, strTitle, ControlIds{idList, idPicture, idFrame, idText}, info)
{
    MapCommand(idSampleButton, &CSettingSelectPage::OnSampleClicked);
}

void CSettingSelectPage::DoDataExchange(CDataExchange* dx)
{
    CSettingSelect::DoDataExchange(dx);
    DDX_Control(dx, idSampleText, m_sampleText);
    DDX_Control(dx, idSampleButton, m_sampleButton);
}

void CSettingSelectPage::SetTexts()
{
    m_text.SetCaption(strInstruction);
    m_sampleText.SetCaption(strSampleNote);
    m_sampleButton.SetCaption(strSampleButton);
    ShowPicture(kPictureBitmap);
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
        if (sampleFile.empty()) throw CmyException(msgNoSampleFile, std::string(), CmyException::error);
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
