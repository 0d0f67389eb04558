// The setting-exchange page: lists the stored colour and gamma settings of the driver,
// deletes the selected one, exports chosen settings to a setting file and imports chosen
// settings from one. The work itself is done by the exchange classes (src/exchange), which
// the settings tool uses too; the page chooses and asks.
#pragma once

#include <string>
#include <vector>

#include "controls/CmyButton.h"
#include "controls/CmyListBox.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"
#include "launch/CmyStringArray.h"
#include "pages/CAddSettingDlg.h"

class CSettingEditPage : public CPageFunction {
public:
    explicit CSettingEditPage(CUtilityInfo* info);

    BOOL OnSetActive() override;

    // ".ccm_" loses its underscore; a path not ending in ".ccm" (any case) gets ".ccm".
    static std::string NormalizeExtension(const std::string& path);
    // Writes the named settings (kinds as CAddSettingDlg gives them) into a new setting file at
    // path. FALSE when nothing was written (the setting folder exists or cannot be made).
    BOOL ExportSettings(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& path);
    // Imports the named settings from settingFile into the driver catalogue, through a copy
    // read once; the number imported. Raises CmyException IDS_ERR_CATALOG_FULL when the
    // catalogue is full, or the message that refuses the file.
    int ImportSettings(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile);

    const CmyStringArray& GetColorNames() const { return m_colorNames; }
    const CmyStringArray& GetGammaNames() const { return m_gammaNames; }

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnDelete();
    void OnExport();
    void OnImport();

    void RefreshList();
    void EnableList(BOOL enable);
    // Runs the prepared selection dialog; FALSE when nothing was chosen.
    BOOL ChooseSettings(CmyStringArray& names, std::vector<int>& kinds);

    CmyStatic m_listLabel;      // IDC_EXCHANGE_LIST_LABEL
    CmyStatic m_exportText;     // IDC_EXCHANGE_EXPORT_NOTE
    CmyStatic m_importText;     // IDC_EXCHANGE_IMPORT_NOTE
    CmyStatic m_picture;        // IDC_EXCHANGE_PICTURE
    CmyStatic m_pictureFrame;   // IDC_EXCHANGE_PICTURE_FRAME
    CmyStatic m_listText;       // IDC_EXCHANGE_LIST_NOTE
    CmyButton m_settingsGroup;  // IDC_EXCHANGE_SETTINGS_GROUP
    CmyListBox m_list;          // IDC_EXCHANGE_LIST
    CmyButton m_export;         // IDC_EXCHANGE_EXPORT_BUTTON
    CmyButton m_delete;         // IDC_EXCHANGE_DELETE_BUTTON
    CmyButton m_import;         // IDC_EXCHANGE_IMPORT_BUTTON
    CmyButton m_filesGroup;     // IDC_EXCHANGE_FILES_GROUP
    CAddSettingDlg m_selectDialog;
    CmyStringArray m_colorNames;
    CmyStringArray m_gammaNames;
};
