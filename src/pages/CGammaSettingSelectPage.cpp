#include "pages/CGammaSettingSelectPage.h"

#include <cstdlib>

#include "launch/CmyException.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniUtility.h"

namespace {

constexpr UINT kTemplate = 112;
constexpr UINT strTitle = 17;
constexpr UINT strInstruction = 111;
constexpr UINT kPictureBitmap = 1500;

constexpr int idFrame = 1149;
constexpr int idPicture = 1150;
constexpr int idText = 1151;
constexpr int idList = 1152;

constexpr int kGammaSettings = 2;
// Version word whose section lists the default settings that several models share.
constexpr const char* kSharedVersion = "Share";

}  // namespace

CGammaSettingSelectPage::CGammaSettingSelectPage(CUtilityInfo* info)
    : CSettingSelect(kTemplate, strTitle, ControlIds{idList, idPicture, idFrame, idText}, info)
{
}

void CGammaSettingSelectPage::SetTexts()
{
    m_text.SetCaption(strInstruction);
    ShowPicture(kPictureBitmap);
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
