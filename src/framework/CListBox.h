// List box. Searches ignore letter case: FindString matches the beginning of an item,
// FindStringExact the whole item; both start after index start (-1: from the top) and wrap.
// A list box with LBS_SORT inserts AddString items in order.
#pragma once

#include <string>

#include "framework/CWnd.h"

class CListBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;  // LB_ERR when nothing is selected
    int SetCurSel(int index);
    int GetText(int index, std::string& text) const;  // the length, or LB_ERR
    std::string GetText(int index) const;
    int GetTextLen(int index) const;
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);  // -1 appends
    int DeleteString(int index);                           // the items left, or LB_ERR
    void ResetContent();
    int FindString(int start, const std::string& text) const;
    int FindStringExact(int start, const std::string& text) const;
    int SelectString(int start, const std::string& text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;

    // List boxes with LBS_MULTIPLESEL or LBS_EXTENDEDSEL. SetSel with index -1 (de)selects
    // every item. GetSelItems fills at most maxItems indexes in list order and returns how many.
    int GetSel(int index) const;  // > 0 when selected, LB_ERR for an index out of range
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;      // LB_ERR for a single-selection list box
    int GetSelItems(int maxItems, int* indexes) const;
};
