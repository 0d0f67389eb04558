#include "controls/CmyListBox.h"

#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

namespace {

constexpr const char* kUtilityIniName = "Tavrel.ini";

std::string TrimRight(std::string text)
{
    size_t end = text.find_last_not_of(" \t\r\n\f\v");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

bool Contains(const CmyStringArray& names, const std::string& text)
{
    for (const std::string& name : names)
        if (name == text) return true;
    return false;
}

}  // namespace

void CmyListBox::AddDefaultItem()
{
    defaultItemText = CStrRes().Load(IDS_DEFAULT_ENTRY);
    InsertString(-1, defaultItemText);
}

std::string CmyListBox::SelectedText() const
{
    int selected = GetCurSel();
    if (selected == LB_ERR) return std::string();
    return TrimRight(GetText(selected));
}

BOOL CmyListBox::IsDefaultItemSelected() const
{
    if (GetCurSel() == LB_ERR) return FALSE;
    return SelectedText() == defaultItemText ? TRUE : FALSE;
}

void CmyListBox::SelectDefaultItem()
{
    int index = FindString(-1, defaultItemText);
    if (index != LB_ERR) SetCurSel(index);
}

void CmyListBox::InsertName(const std::string& name)
{
    if (FindStringExact(-1, name) != LB_ERR) return;
    // Without a default entry an empty prefix would match any item.
    bool hasDefault = !defaultItemText.empty() && FindString(-1, defaultItemText) != LB_ERR;
    int index = InsertString(hasDefault ? GetCount() - 1 : -1, name);
    if (index >= 0) SetCurSel(index);
}

int CmyListBox::AddNames(const CmyStringArray& names)
{
    int last = LB_ERR;
    for (const std::string& name : names) {
        if (FindStringExact(-1, name) != LB_ERR) continue;
        last = AddString(name);
    }
    return last;
}

void CmyListBox::AddDefaultSettingNames(const std::string& version)
{
    CmyStringArray names = CIniUtility().GetDefaultSettingNames(version);
    if (names.IsEmpty()) throw CmyException(IDS_ERR_NO_DEFAULT_SETTINGS, kUtilityIniName, CmyException::error);
    AddNames(names);
}

int CmyListBox::IsDefaultSettingSelected(const std::string& version) const
{
    if (GetCurSel() == LB_ERR) return 0;
    return Contains(CIniUtility().GetDefaultSettingNames(version), SelectedText()) ? 1 : 0;
}
