// Asks what to do with a name that is already in use: overwrite, choose another name, cancel.
#pragma once

#include <string>

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"
#include "resources/resource.h"

class CSaveCheckDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_SAVE_CHECK_DIALOG;
    static constexpr int resultOverwrite = 1;
    static constexpr int resultCancel = 2;
    static constexpr int resultOtherName = 3;

    explicit CSaveCheckDlg(CWnd* parent = nullptr);

    void SetName(const std::string& name) { m_name = name; }
    const std::string& GetName() const { return m_name; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Enter must not overwrite a setting by accident: only the buttons decide.
    void OnOK() override {}
    void OnCancel() override;

private:
    void OnOverwrite();
    void OnOtherName();
    void OnCancelClicked();

    std::string m_name;
    CmyStatic m_message;    // IDC_SAVECHECK_MESSAGE
    CmyStatic m_icon;       // IDC_SAVECHECK_ICON
    CmyButton m_overwrite;  // IDC_SAVECHECK_OVERWRITE_BUTTON
    CmyButton m_otherName;  // IDC_SAVECHECK_OTHERNAME_BUTTON
    CmyButton m_cancel;     // IDC_SAVECHECK_CANCEL_BUTTON
};
