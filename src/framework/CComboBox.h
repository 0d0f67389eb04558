// Combo box: an edit field (CBS_DROPDOWN) or a fixed field (CBS_DROPDOWNLIST) over a list.
// The list searches behave as the list box's (CListBox.h); the window text is the field's.
#pragma once

#include <string>

#include "framework/CWnd.h"

class CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;  // CB_ERR when nothing is selected
    int SetCurSel(int index);  // also puts the item's text into the field (-1 empties it)
    int GetLBText(int index, std::string& text) const;  // the length, or CB_ERR
    std::string GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int FindString(int start, const std::string& text) const;
    int FindStringExact(int start, const std::string& text) const;
    int SelectString(int start, const std::string& text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL LimitText(int maxChars);
    void ShowDropDown(BOOL show = TRUE);
};
