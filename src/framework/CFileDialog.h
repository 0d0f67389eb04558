// The standard dialogs that ask for a file to open or a file name to save under:
//   CFileDialog dialog(FALSE, "CCM", nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, filter, this);
//   if (dialog.DoModal() == IDOK) path = dialog.GetPathName();
// The filter is the classic text of description/pattern pairs separated by '|'.
//
// On real windows it is the system's common file dialog (the flags go to it as they are). On
// the headless backend the dialog is a small window with the path field kPathEditId and
// OK/Cancel, so scripts and the terminal type the full path. It follows the system's rules:
// a name without extension gets the default extension, a relative name is taken in the current
// folder, and OFN_PATHMUSTEXIST / OFN_FILEMUSTEXIST keep the dialog open for a missing folder
// or file.
#pragma once

#include <string>

#include "framework/CDialog.h"
#include "framework/FileDialogTemplate.h"

class CFileDialog : public CDialog {
public:
    static constexpr UINT kPathEditId = FileDialogTemplate::kPathEditId;

    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY, const char* filter = nullptr, CWnd* parent = nullptr);

    INT_PTR DoModal() override;
    // The full path chosen; empty before the dialog was confirmed.
    std::string GetPathName() const { return m_path; }
    std::string GetFileName() const;
    const std::string& GetFilter() const { return m_filter; }
    DWORD GetFlags() const { return m_flags; }
    BOOL IsOpenDialog() const { return m_open; }
    // The title bar text; by default the system's ("Open", "Save As").
    void SetDialogTitle(const std::string& title) { m_title = title; }

    // The path that the typed text stands for under the dialog's rules; empty when the dialog
    // must stay open.
    std::string ResolvePath(const std::string& typed) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    BOOL m_open;
    std::string m_defaultExt;
    std::string m_initialName;
    DWORD m_flags;
    std::string m_filter;
    std::string m_title;
    std::string m_path;
};
