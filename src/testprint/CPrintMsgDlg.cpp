#include "testprint/CPrintMsgDlg.h"

#include "framework/DataExchange.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "resources/resource.h"

namespace {

constexpr UINT_PTR timerShow = 1;
constexpr UINT showDelay = 500;
// Keeps the notice readable for a moment after it has been shown.
constexpr UINT_PTR timerClose = 2;
constexpr UINT closeDelay = 300;

}  // namespace

CPrintMsgDlg::CPrintMsgDlg(CWnd* parent) : CDialog(templateId, parent) {}

void CPrintMsgDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PRINTMSG_TEXT, m_message);
}

BOOL CPrintMsgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CStrRes strings;
    SetWindowText(strings.Load(IDS_PRINTMSG_TITLE));
    m_message.SetWindowText(strings.Load(IDS_PRINTMSG_TEXT));
    SetTimer(timerShow, showDelay);
    return TRUE;
}

void CPrintMsgDlg::OnTimer(UINT_PTR id)
{
    if (id == timerShow) {
        ShowWindow(SW_SHOW);
        KillTimer(timerShow);
        SetTimer(timerClose, closeDelay);
    } else if (id == timerClose) {
        KillTimer(timerClose);
        EndDialog(1);
    } else {
        CDialog::OnTimer(id);
    }
}

void CPrintMsgDlg::ShowNotice()
{
    CDlgRes library;
    CPrintMsgDlg dialog;
    if (!dialog.InitModalIndirect(library.LoadDialogTemplate(templateId))) return;
    dialog.DoModal();
}
