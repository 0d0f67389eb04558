#include "pages/CSaveCheckDlg.h"

#include "framework/DataExchange.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"

namespace {

constexpr UINT kExclamationIcon = 32515;  // the system's exclamation icon

}  // namespace

CSaveCheckDlg::CSaveCheckDlg(CWnd* parent) : CDialog(templateId, parent)
{
    MapCommand(IDC_SAVECHECK_OVERWRITE_BUTTON, &CSaveCheckDlg::OnOverwrite);
    MapCommand(IDC_SAVECHECK_OTHERNAME_BUTTON, &CSaveCheckDlg::OnOtherName);
    MapCommand(IDC_SAVECHECK_CANCEL_BUTTON, &CSaveCheckDlg::OnCancelClicked);
}

void CSaveCheckDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SAVECHECK_MESSAGE, m_message);
    DDX_Control(dx, IDC_SAVECHECK_ICON, m_icon);
    DDX_Control(dx, IDC_SAVECHECK_OVERWRITE_BUTTON, m_overwrite);
    DDX_Control(dx, IDC_SAVECHECK_OTHERNAME_BUTTON, m_otherName);
    DDX_Control(dx, IDC_SAVECHECK_CANCEL_BUTTON, m_cancel);
}

BOOL CSaveCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(CStrRes().Load(IDS_CAPTION_WARNING));
    m_overwrite.SetCaption(IDS_BUTTON_OVERWRITE);
    m_otherName.SetCaption(IDS_BUTTON_ANOTHER_NAME);
    m_cancel.SetCaption(IDS_BUTTON_CANCEL);
    m_message.SetCaption(IDS_QUESTION_OVERWRITE_SETTING, m_name);
    if (HICON icon = fw::ws::LoadIconResource(nullptr, kExclamationIcon)) m_icon.SetIcon(icon);
    return TRUE;
}

void CSaveCheckDlg::OnOverwrite() { EndDialog(resultOverwrite); }

void CSaveCheckDlg::OnOtherName() { EndDialog(resultOtherName); }

void CSaveCheckDlg::OnCancelClicked() { EndDialog(resultCancel); }

void CSaveCheckDlg::OnCancel() { EndDialog(resultCancel); }
