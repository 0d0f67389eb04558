// The save-setting page: stores the edited setting under a name that is checked against the
// names in use, asking before a stored setting is overwritten. Finish only when nothing is
// unsaved.
#pragma once

#include <string>

#include "controls/CmyButton.h"
#include "controls/CmyEdit.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"
#include "pages/CSaveCheckDlg.h"
#include "pages/CSaveNameDlg.h"
#include "testprint/CProgressProfileBuilder.h"

class CSaveSettingPage : public CPageFunction {
public:
    // What a name is already used for.
    static constexpr int nameFree = 1;
    static constexpr int nameDefaultSetting = 2;  // a default setting of the model
    static constexpr int nameDefaultEntry = 3;    // the colour list's default entry
    static constexpr int nameGammaSetting = 4;
    static constexpr int nameColorSetting = 5;
    static constexpr int nameReserved = 6;        // not usable as a catalogue key

    static constexpr int maxNameLength = 32;

    explicit CSaveSettingPage(CUtilityInfo* info);

    BOOL OnSetActive() override;

    // Reserved key, stored colour, stored gamma, default setting, default entry; names match
    // ignoring case. storedName receives the stored spelling of a matching stored setting.
    int ClassifyName(const std::string& name, std::string* storedName = nullptr) const;
    // A free name from the name dialog, or empty when the user cancelled.
    std::string AskName();
    // The save button: check the name, then store the setting through the sheet's manager.
    void Save();

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    // Runs dialog from its template in the dialog library; -1 when it cannot be made.
    INT_PTR RunFromLibrary(CDialog& dialog, UINT templateId);
    void SetTexts();
    // The name to save under after the checks and questions; empty: save nothing.
    std::string CheckName(const std::string& typed);
    // The manager's result: 0 when the tables could not be stored.
    int StoreSetting(const std::string& name, const std::string& previousName);
    void ShowWarning(UINT textId, const std::string& argument = {});

    CProgressProfileBuilder m_profileBuilder;
    CSaveCheckDlg m_checkDlg;
    CSaveNameDlg m_nameDlg;
    CmyStatic m_picture;       // IDC_SAVE_PICTURE
    CmyStatic m_pictureFrame;  // IDC_SAVE_PICTURE_FRAME
    CmyStatic m_instruction;   // IDC_SAVE_INSTRUCTION
    CmyButton m_group;         // IDC_SAVE_GROUP
    CmyStatic m_nameLabel;     // IDC_SAVE_NAME_LABEL
    CmyEdit m_nameEdit;        // IDC_SAVE_NAME_EDIT
    CmyButton m_saveButton;    // IDC_SAVE_BUTTON
    CmyStatic m_closingNote;   // IDC_SAVE_CLOSING_NOTE
};
