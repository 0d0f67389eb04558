#include "controls/CmyComboBox.h"

#include "controls/CmyEdit.h"
#include "launch/CStrRes.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

void CmyComboBox::AddDefaultItem()
{
    defaultItemText = CStrRes().Load(IDS_DEFAULT_ENTRY);
    InsertString(-1, defaultItemText);
}

BOOL CmyComboBox::IsDefaultItemSelected() const
{
    return GetWindowText() == defaultItemText ? TRUE : FALSE;
}

void CmyComboBox::SelectDefaultItem()
{
    int index = FindString(-1, defaultItemText);
    if (index != CB_ERR) SetCurSel(index);
}

void CmyComboBox::InsertName(const std::string& name)
{
    if (FindStringExact(-1, name) != CB_ERR) return;
    // Without a default entry an empty prefix would match any item.
    bool hasDefault = !defaultItemText.empty() && FindString(-1, defaultItemText) != CB_ERR;
    int index = InsertString(hasDefault ? GetCount() - 1 : -1, name);
    if (index >= 0) SetCurSel(index);
}

int CmyComboBox::AddNames(const CmyStringArray& names)
{
    int last = CB_ERR;
    for (const std::string& name : names) {
        if (FindStringExact(-1, name) != CB_ERR) continue;
        last = AddString(name);
    }
    return last;
}

DWORD CmyComboBox::GetNumber() const
{
    return CmyEdit::TextToNumber(GetWindowText());
}

void CmyComboBox::AddDefaultSettingNames(const std::string& version)
{
    AddNames(CIniUtility().GetDefaultSettingKeys(version));
}

BOOL CmyComboBox::IsDefaultSetting(const std::string& version) const
{
    std::string text = GetWindowText();
    for (const std::string& name : CIniUtility().GetDefaultSettingKeys(version))
        if (name == text) return TRUE;
    return FALSE;
}

void CmyComboBox::SelectFirstDefaultSetting(const std::string& version)
{
    CmyStringArray names = CIniUtility().GetDefaultSettingKeys(version);
    if (names.IsEmpty()) return;
    SelectString(-1, names.GetAt(0));
}
