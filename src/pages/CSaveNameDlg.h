// Asks for another name for the setting being saved.
#pragma once

#include <string>

#include "controls/CmyButton.h"
#include "controls/CmyEdit.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"

class CSaveNameDlg : public CDialog {
public:
    static constexpr UINT templateId = 1112;
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
    CmyEdit m_edit;        // 1113
    CmyButton m_ok;        // 1114
    CmyButton m_cancel;    // 1115
    CmyStatic m_prompt;    // 1116
};
