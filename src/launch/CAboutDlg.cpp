#include "launch/CAboutDlg.h"

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowTitle();
    ShowContents();
    return TRUE;
}
