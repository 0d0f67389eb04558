// Common part of the setting-select pages: a list of setting names, a picture and a text, and
// the forward step that records the chosen setting and its kind in the shared state.
#pragma once

#include <string>

#include "controls/CmyListBox.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"

class CSettingSelect : public CPageFunction {
public:
    struct ControlIds {
        int list;
        int picture;
        int frame;
        int text;
    };

    CSettingSelect(UINT templateId, UINT titleId, const ControlIds& ids, CUtilityInfo* info);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

    // Fills the texts and the picture.
    virtual void SetTexts() = 0;
    // Fills the list from scratch and selects the entry to start from.
    virtual void FillList() = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    // Shows the picture stretched to its frame.
    void ShowPicture(UINT bitmapId);
    // Selects the entry of the shared state's selected name; when none matches, the first
    // entry, whose text then becomes the selected name.
    void SelectSavedName();
    // The selected entry's text; empty when nothing is selected.
    std::string SelectedText() const;

    CmyListBox m_settingList;
    CmyStatic m_picture;
    CmyStatic m_pictureFrame;
    CmyStatic m_text;

private:
    ControlIds m_ids;
    UINT m_titleId;
};
