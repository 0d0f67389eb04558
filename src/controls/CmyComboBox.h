// Combo box of setting names: the default entry, the default-setting keys of the utility INI
// file, name insertion that keeps the default entry last and numbers typed in the field.
#pragma once

#include <string>

#include "framework/CComboBox.h"
#include "launch/CmyStringArray.h"

class CmyComboBox : public CComboBox {
public:
    ~CmyComboBox() override = default;

    void AddDefaultItem();
    // The field's text is the default entry.
    BOOL IsDefaultItemSelected() const;
    void SelectDefaultItem();
    // Adds and selects name unless present (any letter case); before the default entry when
    // the list has one.
    void InsertName(const std::string& name);
    // Adds the names not yet present; the index of the last one added, CB_ERR for none.
    int AddNames(const CmyStringArray& names);
    // The field's text read as a number (decimal, 0x hexadecimal, 0 octal).
    DWORD GetNumber() const;

    // The version's own default settings only (no shared section).
    void AddDefaultSettingNames(const std::string& version);
    BOOL IsDefaultSetting(const std::string& version) const;
    void SelectFirstDefaultSetting(const std::string& version);

    std::string defaultItemText;
};
