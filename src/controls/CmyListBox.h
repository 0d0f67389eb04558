// List box of setting names: the default entry, the default-setting names of the utility INI
// file and name insertion that keeps the default entry last.
#pragma once

#include <string>

#include "framework/CListBox.h"
#include "launch/CmyStringArray.h"

class CmyListBox : public CListBox {
public:
    ~CmyListBox() override = default;

    void AddDefaultItem();
    // The selected item, without trailing white space, is the default entry.
    BOOL IsDefaultItemSelected() const;
    void SelectDefaultItem();
    // Adds and selects name unless present (any letter case); before the default entry when
    // the list has one.
    void InsertName(const std::string& name);
    // Adds the names not yet present; the index of the last one added, LB_ERR for none.
    int AddNames(const CmyStringArray& names);

    // The model's default settings, shared section included; CmyException IDS_ERR_NO_DEFAULT_SETTINGS when none.
    void AddDefaultSettingNames(const std::string& version);
    int IsDefaultSettingSelected(const std::string& version) const;

    std::string defaultItemText;

private:
    std::string SelectedText() const;
};
