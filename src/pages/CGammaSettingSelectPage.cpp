#include "pages/CGammaSettingSelectPage.h"

#include <cstdlib>

#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniUtility.h"

namespace {

constexpr int kGammaSettings = 2;
// Version word whose section lists the default settings that several models share.
constexpr const char* kSharedVersion = "Share";

}  // namespace

CGammaSettingSelectPage::CGammaSettingSelectPage(CUtilityInfo* info)
    : CSettingSelect(IDD_GAMMA_SETTING_SELECT_PAGE, IDS_TITLE_GAMMA_SETTING_SELECT,
                     ControlIds{IDC_GAMMASELECT_LIST, IDC_GAMMASELECT_PICTURE, IDC_GAMMASELECT_PICTURE_FRAME,
                                IDC_GAMMASELECT_INSTRUCTION},
                     info)
{
}

void CGammaSettingSelectPage::SetTexts()
{
    m_text.SetCaption(IDS_GAMMASELECT_INSTRUCTION);
    ShowPicture(IDB_SIDE_PICTURE);
}

void CGammaSettingSelectPage::FillList()
{
    try {
        m_gammaDataMng.SetDriver(*m_info);
        m_settingList.ResetContent();

        CmyStringArray names;
        if (m_info->catalogRestored == 1) {
            CCtrlMng catalog;
            catalog.SetFile(m_info->localCatalogPath, kGammaSettings);
            names = catalog.GetSettingNames();
        } else {
            m_settingList.AddDefaultSettingNames(m_info->ccmVersion);
            names = m_gammaDataMng.GetSettingNames();
        }
        m_settingList.AddNames(names);

        if (m_info->selectedSettingName.empty()) {
            if (m_settingList.GetCount() > 0) m_settingList.SetCurSel(0);
        } else {
            SelectSavedName();
        }
    } catch (const CmyException& e) {
        e.Report();
    }
}

LRESULT CGammaSettingSelectPage::OnWizardNext()
{
    const LRESULT result = CSettingSelect::OnWizardNext();

    CIniUtility utility;
    const std::string& name = m_info->selectedSettingName;
    std::string value = utility.GetDefaultSettingValue(m_info->ccmVersion, name);
    if (value.empty()) value = utility.GetDefaultSettingValue(kSharedVersion, name);
    m_info->defaultSettingNumber = static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
    return result;
}
