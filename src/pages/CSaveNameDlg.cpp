#include "pages/CSaveNameDlg.h"

#include "framework/DataExchange.h"
#include "launch/CStrRes.h"

namespace {

constexpr UINT strTitle = 1;
constexpr UINT strOk = 208;
constexpr UINT strCancel = 209;
constexpr UINT strPrompt = 151;

constexpr int idEdit = 1113;
constexpr int idOk = 1114;
constexpr int idCancel = 1115;
constexpr int idPrompt = 1116;

}  // namespace

CSaveNameDlg::CSaveNameDlg(CWnd* parent) : CDialog(templateId, parent)
{
    MapCommand(idOk, &CSaveNameDlg::OnOkClicked);
    MapCommand(idCancel, &CSaveNameDlg::OnCancelClicked);
}

void CSaveNameDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, idEdit, m_edit);
    DDX_Control(dx, idOk, m_ok);
    DDX_Control(dx, idCancel, m_cancel);
    DDX_Control(dx, idPrompt, m_prompt);
}

BOOL CSaveNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(CStrRes().Load(strTitle));
    m_ok.SetCaption(strOk);
    m_cancel.SetCaption(strCancel);
    m_prompt.SetCaption(strPrompt);
    m_edit.LimitText(maxNameLength);
    m_edit.SetWindowText(std::string());
    m_name.clear();
    return TRUE;
}

void CSaveNameDlg::OnOkClicked()
{
    m_name = m_edit.GetWindowText();
    m_name.erase(m_name.find_last_not_of(' ') + 1);
    EndDialog(resultName);
}

void CSaveNameDlg::OnCancelClicked()
{
    m_name.clear();
    EndDialog(resultCancel);
}

// Enter acts as the OK button, Escape and the close box as Cancel.
void CSaveNameDlg::OnOK() { OnOkClicked(); }

void CSaveNameDlg::OnCancel() { OnCancelClicked(); }
