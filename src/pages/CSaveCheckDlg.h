// Asks what to do with a name that is already in use: overwrite, choose another name, cancel.
#pragma once

#include <string>

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"

class CSaveCheckDlg : public CDialog {
public:
    static constexpr UINT templateId = 1155;
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
    CmyStatic m_message;        // 1156
    CmyStatic m_icon;           // 1400
    CmyButton m_overwrite;      // 1157
    CmyButton m_otherName;      // 1158
    CmyButton m_cancel;         // 1159
};
