#include "pages/CSaveNameDlg.h"

#include "framework/DataExchange.h"
#include "launch/CStrRes.h"

CSaveNameDlg::CSaveNameDlg(CWnd* parent) : CDialog(templateId, parent)
{
    MapCommand(IDC_SAVENAME_OK_BUTTON, &CSaveNameDlg::OnOkClicked);
    MapCommand(IDC_SAVENAME_CANCEL_BUTTON, &CSaveNameDlg::OnCancelClicked);
}

void CSaveNameDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SAVENAME_EDIT, m_edit);
    DDX_Control(dx, IDC_SAVENAME_OK_BUTTON, m_ok);
    DDX_Control(dx, IDC_SAVENAME_CANCEL_BUTTON, m_cancel);
    DDX_Control(dx, IDC_SAVENAME_PROMPT, m_prompt);
}

BOOL CSaveNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(CStrRes().Load(IDS_TITLE_UTILITY));
    m_ok.SetCaption(IDS_BUTTON_OK);
    m_cancel.SetCaption(IDS_BUTTON_CANCEL);
    m_prompt.SetCaption(IDS_SAVENAME_INSTRUCTION);
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
