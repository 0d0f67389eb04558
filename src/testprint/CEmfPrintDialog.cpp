#include "testprint/CEmfPrintDialog.h"

#include "framework/DataExchange.h"
#include "gamma/CIccModule.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "resources/resource.h"
#include "testprint/CEmfPrint.h"
#include "testprint/CPrintMsgDlg.h"

namespace {

constexpr UINT_PTR timerWork = 1;
constexpr UINT workDelay = 500;

constexpr int resultDone = 1;
constexpr int resultFailed = -1;

}  // namespace

CEmfPrintDialog::CEmfPrintDialog(CWnd* parent) : CDialog(templateId, parent)
{
    CStrRes strings;
    m_titleText = strings.Load(IDS_PROGRESS_TITLE);
    m_messageText = strings.Load(IDS_PROGRESS_TEXT);
}

void CEmfPrintDialog::SetRequest(const CUtilityInfo& info, int mode, const std::string& path, const BYTE* tTable,
                                 const std::string& settingName, const std::array<std::string, 3>* profileFiles)
{
    m_profileFiles = profileFiles;
    m_info = info;
    m_mode = mode;
    m_path = path;
    m_table = tTable;
    m_settingName = settingName;
}

void CEmfPrintDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PRINTMSG_TEXT, m_message);
}

BOOL CEmfPrintDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_failure.reset();
    m_workDone = false;
    SetWindowText(m_titleText);
    m_message.SetWindowText(m_messageText);
    SetTimer(timerWork, workDelay);
    return TRUE;
}

void CEmfPrintDialog::OnTimer(UINT_PTR id)
{
    if (id != timerWork) {
        CDialog::OnTimer(id);
        return;
    }
    ShowWindow(SW_SHOW);
    KillTimer(timerWork);
    if (m_workDone) return;
    m_workDone = true;
    try {
        DoWork();
    } catch (const CmyException& e) {
        m_failure = e;
        EndDialog(resultFailed);
        return;
    }
    EndDialog(resultDone);
}

void CEmfPrintDialog::OnCancel()
{
    // The dialog has no buttons, but Escape still cancels: it must not skip or cut short the
    // work, since the opener takes any result but 1 as "no profiles, no page".
}

void CEmfPrintDialog::DoWork()
{
    // Both are released before the dialog ends: the printer is closed and the module unloaded
    // on every way out.
    CEmfPrint print;
    print.SetPrinterName(m_info.printerName);
    print.OpenPrinterData();

    CIccModule module(m_info.ccmVersion);
    module.SetNames(m_info.driverName, m_info.printerName);

    switch (m_mode) {
    case modeColorTest:
    case modeGammaTest:
        module.MakeTemporaryProfile(print.GetDeviceMode(), m_table, m_info.driverCatalogPath);
        print.PrintPage(m_path, m_info.ccmVersion, CEmfPrint::kindTestProfile, nullptr, nullptr, 0);
        CPrintMsgDlg::ShowNotice();
        break;
    case modeColorProfiles:
    case modeGammaProfiles:
        module.MakeProfiles(m_table, m_mode, m_settingName, m_info.driverCatalogPath, m_profileFiles);
        break;
    default:
        break;
    }
}

INT_PTR CEmfPrintDialog::Run(const CUtilityInfo& info, int mode, const std::string& path, const BYTE* tTable,
                             const std::string& settingName, const std::array<std::string, 3>* profileFiles)
{
    CDlgRes library;
    CEmfPrintDialog dialog;
    dialog.SetRequest(info, mode, path, tTable, settingName, profileFiles);
    if (!dialog.InitModalIndirect(library.LoadDialogTemplate(templateId))) return resultFailed;
    const INT_PTR result = dialog.DoModal();
    if (result == resultFailed && dialog.m_failure) throw CmyException(*dialog.m_failure);
    return result;
}
