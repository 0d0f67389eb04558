#include "launch/CXVAboutDlg.h"

#include "framework/DataExchange.h"
#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"
#include "launch/LibraryModule.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kFolderLength = 261;
constexpr DWORD kValueLength = 260;  // at most 259 characters and the terminator

std::string ReadVersionValue(const std::string& file, const char* key)
{
    char value[kValueLength] = {};
    GetPrivateProfileStringA("Version", key, "", value, kValueLength, file.c_str());
    value[kValueLength - 1] = '\0';
    return value;
}

}  // namespace

CXVAboutDlg::CXVAboutDlg(CWnd* parent) : CAboutDlg(IDD_ABOUT_DIALOG, parent)
{
    MapCommand(IDC_ABOUT_OK_BUTTON, &CXVAboutDlg::OnOkClicked);

    CStrRes strings;
    m_title = strings.Load(IDS_TITLE_PRODUCT);

    char folder[kFolderLength] = {};
    DWORD length = GetCurrentDirectoryA(kFolderLength, folder);
    if (length >= kFolderLength) folder[0] = '\0';  // too long: no file to read
    const std::string versionFile = std::string(folder) + "\\version.txt";
    m_version = ReadVersionValue(versionFile, "MainVersion");
    m_copyright = ReadVersionValue(versionFile, "Copyright");
}

void CXVAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CAboutDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_ABOUT_ICON, m_icon);
    DDX_Control(dx, IDC_ABOUT_TEXT, m_text);
    DDX_Control(dx, IDC_ABOUT_VERSION, m_versionText);
    DDX_Control(dx, IDC_ABOUT_COPYRIGHT, m_copyrightText);
    DDX_Control(dx, IDC_ABOUT_OK_BUTTON, m_ok);
}

void CXVAboutDlg::ShowTitle()
{
    SetWindowText(m_title);
}

void CXVAboutDlg::ShowContents()
{
    // The application icon is the library's own resource, not the dialog library's.
    if (HICON icon = fw::ws::LoadIconResource(LibraryModule(), IDI_APPICON)) m_icon.SetIcon(icon);
    m_text.SetCaption(IDS_ABOUT_DESCRIPTION);
    m_versionText.SetWindowText(m_version);
    m_copyrightText.SetWindowText(m_copyright);
    m_ok.SetCaption(IDS_BUTTON_OK);
}

void CXVAboutDlg::OnOkClicked()
{
    OnOK();
}
