#include "framework/CFileDialog.h"

#include "framework/CEdit.h"
#include "framework/FileDialogTemplate.h"
#include "framework/WindowSystem.h"

namespace {

bool IsAbsolute(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_open(openFileDialog),
      m_defaultExt(defaultExt ? defaultExt : ""),
      m_initialName(fileName ? fileName : ""),
      m_flags(flags),
      m_filter(filter ? filter : "")
{
    m_pParentWnd = parent;
}

INT_PTR CFileDialog::DoModal()
{
    m_path.clear();
    fw::ws::FileDialogRequest request;
    request.owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    request.open = m_open != FALSE;
    request.filter = m_filter;
    request.defaultExt = m_defaultExt;
    request.initialName = m_initialName;
    request.title = m_title;
    request.flags = m_flags;
    if (std::string chosen; fw::ws::RunSystemFileDialog(request, &chosen)) {
        if (chosen.empty()) return IDCANCEL;
        m_path = chosen;
        return IDOK;
    }
    InitModalIndirect(m_open ? FileDialogTemplate::Open() : FileDialogTemplate::Save());
    return CDialog::DoModal();
}

std::string CFileDialog::GetFileName() const
{
    const auto slash = m_path.find_last_of('\\');
    return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

BOOL CFileDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(kPathEditId, m_initialName);
    if (!m_title.empty()) SetWindowText(m_title);
    return TRUE;
}

std::string CFileDialog::ResolvePath(const std::string& typed) const
{
    std::string path = typed;
    while (!path.empty() && path.front() == ' ') path.erase(path.begin());
    while (!path.empty() && path.back() == ' ') path.pop_back();
    if (path.empty() || path.back() == '\\') return {};
    if (!IsAbsolute(path)) {
        char current[MAX_PATH] = {};
        const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
        if (length == 0 || length >= MAX_PATH) return {};
        std::string folder(current, length);
        if (folder.back() != '\\') folder += '\\';
        path = folder + path;
    }
    const auto slash = path.find_last_of('\\');
    const std::string name = path.substr(slash + 1);
    if (!m_defaultExt.empty() && name.find('.') == std::string::npos) path += "." + m_defaultExt;

    if (m_flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) {
        const std::string folder = path.substr(0, slash + 1);
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    }
    if (m_flags & OFN_FILEMUSTEXIST) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    }
    return path;
}

void CFileDialog::OnOK()
{
    std::string typed;
    GetDlgItemText(kPathEditId, typed);
    const std::string path = ResolvePath(typed);
    if (path.empty()) return;
    m_path = path;
    EndDialog(IDOK);
}
