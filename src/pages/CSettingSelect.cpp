#include "pages/CSettingSelect.h"

#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "launch/IWizardSheet.h"

CSettingSelect::CSettingSelect(UINT templateId, UINT titleId, const ControlIds& ids, CUtilityInfo* info)
    : CPageFunction(templateId, info), m_ids(ids), m_titleId(titleId)
{
}

void CSettingSelect::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, m_ids.list, m_settingList);
    DDX_Control(dx, m_ids.picture, m_picture);
    DDX_Control(dx, m_ids.frame, m_pictureFrame);
    DDX_Control(dx, m_ids.text, m_text);
}

BOOL CSettingSelect::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    SetSheetTitle(*this, m_titleId, m_strRes);
    SetTexts();
    FillList();
    return CPageFunction::OnSetActive();
}

LRESULT CSettingSelect::OnWizardNext()
{
    m_info->selectedSettingName = SelectedText();
    const bool isDefault =
        m_settingList.IsDefaultItemSelected() || m_settingList.IsDefaultSettingSelected(m_info->ccmVersion) == 1;
    m_info->userSettingSelected = isDefault ? 0 : 1;
    return CPageFunction::OnWizardNext();
}

void CSettingSelect::ShowPicture(UINT bitmapId)
{
    RECT frame{};
    m_pictureFrame.GetClientRect(&frame);
    m_picture.SetBitmap(bitmapId, frame);
}

void CSettingSelect::SelectSavedName()
{
    int index = m_settingList.FindStringExact(-1, m_info->selectedSettingName);
    if (index != LB_ERR) {
        m_settingList.SetCurSel(index);
        return;
    }
    if (m_settingList.GetCount() <= 0) return;
    m_settingList.SetCurSel(0);
    m_info->selectedSettingName = m_settingList.GetText(0);
}

std::string CSettingSelect::SelectedText() const
{
    int selected = m_settingList.GetCurSel();
    return selected == LB_ERR ? std::string() : m_settingList.GetText(selected);
}
