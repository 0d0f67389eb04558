// Asks for another name for the setting being saved.
#pragma once

#include <string>

#include "controls/CmyButton.h"
#include "controls/CmyEdit.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"
#include "resources/resource.h"

class CSaveNameDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_SAVE_NAME_DIALOG;
    static constexpr int resultName = 1;
    static constexpr int resultCancel = 2;
    static constexpr int maxNameLength = 32;

    explicit CSaveNameDlg(CWnd* parent = nullptr);

    // The entered name, trailing spaces removed; empty after a cancel.
    const std::string& GetName() const { return m_name; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnOkClicked();
    void OnCancelClicked();

    std::string m_name;
    CmyEdit m_edit;      // IDC_SAVENAME_EDIT
    CmyButton m_ok;      // IDC_SAVENAME_OK_BUTTON
    CmyButton m_cancel;  // IDC_SAVENAME_CANCEL_BUTTON
    CmyStatic m_prompt;  // IDC_SAVENAME_PROMPT
};
