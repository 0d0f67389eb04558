// The colour palette page: edits the colour-balance setting patch by patch, prints test pages
// of the setting as it stands and throws edits away. It owns the colour data manager that the
// save page works with.
#pragma once

#include <string>

#include "color/CColorData.h"
#include "color/CColorDataMng.h"
#include "color/CColorInputDlg.h"
#include "color/CColorPalette.h"
#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"
#include "testprint/CTemporaryTestSetting.h"

class CCcmTables;

class CColorPalettePage : public CPageFunction {
public:
    explicit CColorPalettePage(CUtilityInfo* info);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    BOOL OnQueryCancel() override;

    CColorDataMng& GetDataMng() { return m_manager; }
    // The page's working copies of the manager's current and default data.
    const CColorData& GetCurrentData() const { return m_current; }
    const CColorData& GetDefaultData() const { return m_default; }
    CColorPalette& GetPalette() { return m_palette; }
    int IsTemporarySettingActive() const { return m_temporary.IsMade() ? 1 : 0; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnEndSession(BOOL ending) override;

private:
    void LoadData();
    void RefreshMarks();
    void OnPaletteClicked();
    void OnTestPrint();
    void OnRevert();

    void PrintTestPage();
    // The temporary setting's tables: written from the setting under test, and removed.
    void WriteTemporaryTables(const std::string& name);
    void RemoveTemporaryTables(const std::string& name);

    std::string m_lastSettingName;
    CmyStatic m_note;             // IDC_PALETTE_TESTPRINT_NOTE
    CColorDataMng m_manager;
    CColorData m_default;
    CColorData m_current;
    CColorInputDlg m_inputDlg;
    CColorPalette m_palette;      // IDC_PALETTE
    CmyStatic m_legend;           // IDC_PALETTE_LEGEND
    CmyButton m_paletteGroup;     // IDC_PALETTE_GROUP
    CmyStatic m_instruction;      // IDC_PALETTE_INSTRUCTION
    CmyButton m_testPrintButton;  // IDC_PALETTE_TESTPRINT_BUTTON
    CmyButton m_revertButton;     // IDC_PALETTE_UNDO_BUTTON
    // The entry an XPS-driver test print runs under; removed when the session ends.
    CTemporaryTestSetting m_temporary;

    bool m_loaded = false;  // data was loaded at least once
};
