#include "launch/CXVAboutDlg.h"

#include "framework/DataExchange.h"
#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"

namespace {

constexpr UINT kTemplate = 1165;
constexpr UINT strTitle = 19;
constexpr UINT strDescription = 164;
constexpr UINT strOk = 208;
constexpr UINT kApplicationIcon = 107;

constexpr int idIcon = 1164;
constexpr int idText = 1160;
constexpr int idVersion = 1161;
constexpr int idCopyright = 1162;
constexpr int idOk = 1163;

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

CXVAboutDlg::CXVAboutDlg(CWnd* parent) : CAboutDlg(kTemplate, parent)
{
    MapCommand(idOk, &CXVAboutDlg::OnOkClicked);

    CStrRes strings;
    m_title = strings.Load(strTitle);

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
    DDX_Control(dx, idIcon, m_icon);
    DDX_Control(dx, idText, m_text);
    DDX_Control(dx, idVersion, m_versionText);
    DDX_Control(dx, idCopyright, m_copyrightText);
    DDX_Control(dx, idOk, m_ok);
}

void CXVAboutDlg::ShowTitle()
{
    SetWindowText(m_title);
}

void CXVAboutDlg::ShowContents()
{
    HMODULE module = m_templateModule ? m_templateModule : fw::GetResourceModule();
    if (HICON icon = fw::ws::LoadIconResource(module, kApplicationIcon)) m_icon.SetIcon(icon);
    m_text.SetCaption(strDescription);
    m_versionText.SetWindowText(m_version);
    m_copyrightText.SetWindowText(m_copyright);
    m_ok.SetCaption(strOk);
}

void CXVAboutDlg::OnOkClicked()
{
    OnOK();
}
