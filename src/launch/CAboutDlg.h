// Base of the about dialog: a title, a version and a copyright text, and two text controls.
// Initialisation shows the title and then the contents, as the derived dialog defines them.
#pragma once

#include <string>

#include "controls/CmyStatic.h"
#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    BOOL OnInitDialog() override;

    virtual void ShowTitle() = 0;
    virtual void ShowContents() = 0;

    const std::string& GetTitle() const { return m_title; }
    const std::string& GetCopyright() const { return m_copyright; }
    const std::string& GetVersion() const { return m_version; }

protected:
    std::string m_title;
    std::string m_copyright;
    std::string m_version;
    CmyStatic m_text;         // the fixed text
    CmyStatic m_versionText;  // the version
};
