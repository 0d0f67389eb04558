#include "testprint/XPSTestJobPrintingDlg.h"

#include <cstdlib>
#include <new>

#include "framework/DataExchange.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyMessageBox.h"
#include "resources/resource.h"

namespace {

constexpr UINT styleOkCancelSecondDefault = 0x101;  // OK and Cancel, Cancel the default

constexpr UINT_PTR timerPoll = 1;

}  // namespace

XPSTestJobPrintingDlg::XPSTestJobPrintingDlg(const Request& request, CWnd* parent)
    : CDialog(templateId, parent), m_request(request)
{
    CStrRes strings;
    m_messageText = strings.Load(IDS_TESTJOB_TEXT);
    m_titleText = strings.Load(IDS_TITLE_PRODUCT);
}

XPSTestJobPrintingDlg::~XPSTestJobPrintingDlg() { CloseJobEvent(); }

INT_PTR XPSTestJobPrintingDlg::DoModal()
{
    m_failure.reset();
    CDialog::DoModal();
    CloseJobEvent();
    // Shown only now, so that it never stacks on an open cancel question.
    if (m_failure) m_failure->Report();
    return IDCANCEL;
}

XPSTestJobPrintingDlg::Request XPSTestJobPrintingDlg::Request::ForTables(
    const std::string& path, const std::string& ccmVersion, const BYTE* tTable, const BYTE* vTable,
    DWORD tableLength, int tableType, const std::string& settingId, const std::string& printerName)
{
    Request request;
    request.path = path;
    request.ccmVersion = ccmVersion;
    request.kind = CEmfPrintBase::kindTestTables;
    request.tTable = tTable;
    request.vTable = vTable;
    request.tableLength = tableLength;
    request.tableType = tableType;
    request.settingId = static_cast<DWORD>(std::strtol(settingId.c_str(), nullptr, 10));
    request.printerName = printerName;
    return request;
}

void XPSTestJobPrintingDlg::Run(const Request& request, CWnd* parent)
{
    CDlgRes library;  // keeps the template loaded while the dialog runs
    XPSTestJobPrintingDlg dialog(request, parent);
    // Without its dialog nothing is printed, which the user must learn.
    if (!dialog.InitModalIndirect(library.LoadDialogTemplate(templateId))) throw CmyException(IDS_ERR_PRINT_FAILED);
    dialog.DoModal();
}

void XPSTestJobPrintingDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TESTJOB_TEXT, m_message);
    DDX_Control(dx, IDCANCEL, m_cancel);
}

BOOL XPSTestJobPrintingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_titleText);
    m_message.SetWindowText(m_messageText);
    CStrRes strings;
    m_cancel.SetWindowText(strings.Load(IDS_BUTTON_CANCEL));
    OpenJobEvent();
    SetTimer(timerPoll, pollPeriod);
    return TRUE;
}

void XPSTestJobPrintingDlg::OpenJobEvent()
{
    if (m_eventOpen) return;
    m_jobSignalled = false;
    m_previousHandler = CEmfInternalXPS::SetJobEventHandler([this] { m_jobSignalled = true; });
    m_eventOpen = true;
}

void XPSTestJobPrintingDlg::CloseJobEvent()
{
    if (!m_eventOpen) return;
    CEmfInternalXPS::SetJobEventHandler(std::move(m_previousHandler));
    m_previousHandler = nullptr;
    m_eventOpen = false;
}

void XPSTestJobPrintingDlg::StartPrint()
{
    m_started = TRUE;
    m_print.SetPrinterName(m_request.printerName);
    m_print.OpenPrinterData();
    m_print.PrintPage(m_request.path, m_request.ccmVersion, m_request.kind, m_request.tTable, m_request.vTable,
                      m_request.tableLength, m_request.tableType, m_request.settingId);
    m_jobPrinter = m_print.GetJobPrinter();
    m_jobId = m_print.GetJobId();
}

void XPSTestJobPrintingDlg::OnTimer(UINT_PTR id)
{
    if (id != timerPoll) {
        CDialog::OnTimer(id);
        return;
    }
    if (m_ended) return;
    try {
        if (!m_started) StartPrint();
        if (!m_jobSignalled) {
            m_waited += pollPeriod;
            if (m_waited < jobWaitLimit) return;
            // The spooler never showed the job: end the print instead of waiting for ever.
            if (JobExists()) DeleteJob();
            m_failure.emplace(msgJobNotShown);
            Close();
            return;
        }
        m_finished = FALSE;
        if (JobLeftQueue()) {
            m_finished = TRUE;
            Close();
        }
    } catch (const CmyException& e) {
        m_failure = e;
        Close();
    }
}

BOOL XPSTestJobPrintingDlg::JobLeftQueue()
{
    DWORD needed = 0;
    GetPrinterA(m_jobPrinter, 2, nullptr, 0, &needed);
    if (needed == 0) throw CmyException(IDS_ERR_PRINT_FAILED);
    m_printerInfo.reset(new (std::nothrow) BYTE[needed]());
    if (!m_printerInfo) throw CmyException(IDS_ERR_PRINT_FAILED);
    if (!GetPrinterA(m_jobPrinter, 2, m_printerInfo.get(), needed, &needed)) throw CmyException(IDS_ERR_PRINT_FAILED);
    const DWORD queued = reinterpret_cast<const PRINTER_INFO_2A*>(m_printerInfo.get())->cJobs;
    if (queued == 0) return TRUE;  // an empty queue lists no jobs at all

    DWORD returned = 0;
    needed = 0;
    m_jobList.reset();
    if (!EnumJobsA(m_jobPrinter, 0, queued, 2, nullptr, 0, &needed, &returned)) {
        if (needed == 0) return FALSE;  // a failed enumeration is tried again on the next tick
        m_jobList.reset(new (std::nothrow) BYTE[needed]());
        if (!m_jobList) return FALSE;
        if (!EnumJobsA(m_jobPrinter, 0, queued, 2, m_jobList.get(), needed, &needed, &returned)) return FALSE;
    }
    const auto* jobs = reinterpret_cast<const JOB_INFO_2A*>(m_jobList.get());
    for (DWORD i = 0; jobs && i < returned; ++i) {
        if (jobs[i].JobId == m_jobId) return FALSE;
    }
    return TRUE;
}

BOOL XPSTestJobPrintingDlg::JobExists() const
{
    if (!m_jobPrinter || m_jobId == 0) return FALSE;
    DWORD needed = 0;
    GetJobA(m_jobPrinter, m_jobId, 1, nullptr, 0, &needed);
    return needed != 0;
}

void XPSTestJobPrintingDlg::DeleteJob()
{
    if (m_jobPrinter && m_jobId != 0) SetJobA(m_jobPrinter, m_jobId, 0, nullptr, JOB_CONTROL_DELETE);
}

void XPSTestJobPrintingDlg::Close()
{
    KillTimer(timerPoll);
    CStrRes strings;
    // The open question is the window of that caption that this dialog owns. The dialog itself
    // carries the product's name too, the same text: it gives up its caption first (it is
    // closing), so the search cannot stop at it.
    SetWindowText(std::string());
    CWnd* question = CWnd::FindWindow(nullptr, strings.Load(IDS_TITLE_UTILITY).c_str());
    if (question) {
        CWnd* owner = question->GetParent();
        if (owner && owner->GetSafeHwnd() == GetSafeHwnd()) question->PostMessage(WM_CLOSE);
    }
    m_ended = true;
    EndDialog(IDCANCEL);
    CloseJobEvent();
}

void XPSTestJobPrintingDlg::OnCancel()
{
    if (m_ended) return;
    if (m_finished) {
        Close();
        return;
    }
    CmyMessageBox box;
    int answer = box.Show(GetSafeHwnd(), IDS_QUESTION_CANCEL_TESTJOB, styleOkCancelSecondDefault, IDS_TITLE_UTILITY);
    // The job may have left the queue, and the dialog ended, while the question was open.
    if (m_ended || answer != IDOK || m_finished) return;
    KillTimer(timerPoll);
    DeleteJob();
    m_ended = true;
    EndDialog(IDCANCEL);
    CloseJobEvent();
}

void XPSTestJobPrintingDlg::OnEndSession(BOOL ending)
{
    if (m_jobSignalled && !m_finished) DeleteJob();
    CDialog::OnEndSession(ending);
}
