#include "pages/CSaveCheckDlg.h"

#include "framework/DataExchange.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"

namespace {

constexpr UINT strTitle = 539;
constexpr UINT strQuestion = 527;
constexpr UINT strOverwrite = 225;
constexpr UINT strOtherName = 226;
constexpr UINT strCancel = 209;
constexpr UINT kExclamationIcon = 32515;  // the system's exclamation icon

constexpr int idMessage = 1156;
constexpr int idIcon = 1400;
constexpr int idOverwrite = 1157;
constexpr int idOtherName = 1158;
constexpr int idCancel = 1159;

}  // namespace

CSaveCheckDlg::CSaveCheckDlg(CWnd* parent) : CDialog(templateId, parent)
{
    MapCommand(idOverwrite, &CSaveCheckDlg::OnOverwrite);
    MapCommand(idOtherName, &CSaveCheckDlg::OnOtherName);
    MapCommand(idCancel, &CSaveCheckDlg::OnCancelClicked);
}

void CSaveCheckDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, idMessage, m_message);
    DDX_Control(dx, idIcon, m_icon);
    DDX_Control(dx, idOverwrite, m_overwrite);
    DDX_Control(dx, idOtherName, m_otherName);
    DDX_Control(dx, idCancel, m_cancel);
}

BOOL CSaveCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(CStrRes().Load(strTitle));
    m_overwrite.SetCaption(strOverwrite);
    m_otherName.SetCaption(strOtherName);
    m_cancel.SetCaption(strCancel);
    m_message.SetCaption(strQuestion, m_name);
    if (HICON icon = fw::ws::LoadIconResource(nullptr, kExclamationIcon)) m_icon.SetIcon(icon);
    return TRUE;
}

void CSaveCheckDlg::OnOverwrite() { EndDialog(resultOverwrite); }

void CSaveCheckDlg::OnOtherName() { EndDialog(resultOtherName); }

void CSaveCheckDlg::OnCancelClicked() { EndDialog(resultCancel); }

void CSaveCheckDlg::OnCancel() { EndDialog(resultCancel); }
