// The dialog in which the user ticks the settings to export to a setting file, or to import
// from one. Import offers only the settings of the file whose tables no stored setting has.
//
// Order of use: Prepare, ComputeCandidates, and only when it returned non-zero the modal run
// (template IDD_ADD_SETTING_DIALOG), then GetChosenNames.
#pragma once

#include <string>
#include <vector>

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"
#include "resources/resource.h"

class CAddSettingDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_ADD_SETTING_DIALOG;
    static constexpr int modeImport = 1;
    static constexpr int modeExport = 2;
    static constexpr int kindColor = 1;
    static constexpr int kindGamma = 2;

    CAddSettingDlg();

    // An empty importPath prepares an export of the driver's settings; otherwise an import
    // from the setting file importPath.
    void Prepare(const CUtilityInfo& info, const std::string& importPath);
    // Non-zero when there is at least one setting to offer.
    int ComputeCandidates();
    // The names ticked when the dialog was confirmed, in list order.
    CmyStringArray GetChosenNames() const { return m_chosenNames; }
    // The kind (kindColor, kindGamma) of each chosen name: a name may stand for a setting of
    // each kind.
    std::vector<int> GetChosenKinds() const { return m_chosenKinds; }

    int GetMode() const { return m_mode; }
    const CmyStringArray& GetColorCandidates() const { return m_colorNames; }
    const CmyStringArray& GetGammaCandidates() const { return m_gammaNames; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnCancel() override;

private:
    void OnSelectAll();
    void OnConfirm();
    void OnCancelButton();
    std::string m_catalogPath;
    CUtilityInfo m_info;
    CmyStringArray m_chosenNames;
    CmyStringArray m_gammaNames;
    CmyStringArray m_colorNames;
    int m_mode = 0;
    CmyButton m_cancel;     // IDC_ADDSETTING_CANCEL_BUTTON
    CListBox m_list;        // IDC_ADDSETTING_LIST
    CmyStatic m_text;       // IDC_ADDSETTING_INSTRUCTION
    CmyButton m_selectAll;  // IDC_ADDSETTING_SELECTALL_BUTTON
    CmyButton m_confirm;    // IDC_ADDSETTING_CONFIRM_BUTTON
    std::vector<int> m_chosenKinds;
};
