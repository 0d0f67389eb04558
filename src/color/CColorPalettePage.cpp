#include "color/CColorPalettePage.h"

#include "color/CCcmTables.h"
#include "color/CColorModule.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "launch/CDlgRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "resources/resource.h"
#include "testprint/CTestPrint.h"

CColorPalettePage::CColorPalettePage(CUtilityInfo* info)
    : CPageFunction(IDD_COLOR_PALETTE_PAGE, info),
      m_inputDlg(this),
      m_temporary(
          CDataMngBase::kindColor, [this](const std::string& name) { WriteTemporaryTables(name); },
          [this](const std::string& name) { RemoveTemporaryTables(name); })
{
    MapCommand(IDC_PALETTE, &CColorPalettePage::OnPaletteClicked, STN_CLICKED);
    MapCommand(IDC_PALETTE_TESTPRINT_BUTTON, &CColorPalettePage::OnTestPrint);
    MapCommand(IDC_PALETTE_UNDO_BUTTON, &CColorPalettePage::OnRevert);
}

void CColorPalettePage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_PALETTE_TESTPRINT_NOTE, m_note);
    DDX_Control(dx, IDC_PALETTE, m_palette);
    DDX_Control(dx, IDC_PALETTE_LEGEND, m_legend);
    DDX_Control(dx, IDC_PALETTE_GROUP, m_paletteGroup);
    DDX_Control(dx, IDC_PALETTE_INSTRUCTION, m_instruction);
    DDX_Control(dx, IDC_PALETTE_TESTPRINT_BUTTON, m_testPrintButton);
    DDX_Control(dx, IDC_PALETTE_UNDO_BUTTON, m_revertButton);
}

BOOL CColorPalettePage::OnSetActive()
{
    m_note.SetCaption(IDS_PALETTE_TESTPRINT_NOTE);
    m_legend.SetCaption(IDS_PALETTE_LEGEND);
    m_instruction.SetCaption(IDS_PALETTE_INSTRUCTION);
    m_testPrintButton.SetCaption(IDS_BUTTON_PALETTE_TEST_PRINT);
    m_revertButton.SetCaption(IDS_BUTTON_UNDO_CHANGES);
    SetSheetTitle(*this, IDS_TITLE_COLOR_PALETTE, m_strRes);

    // A page that never loaded has nothing to show, whatever the names say.
    if (!m_loaded || m_lastSettingName != m_info->selectedSettingName || m_info->reloadNeeded == 1) {
        try {
            LoadData();
            m_palette.Layout(CColorPalette::rows, CColorPalette::columns);
            RefreshMarks();
            m_info->reloadNeeded = 0;
        } catch (const CmyException& e) {
            e.Report();
        }
    }
    // Values that did not load must not be saved over the stored setting.
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(m_loaded ? (PSWIZB_BACK | PSWIZB_NEXT) : PSWIZB_BACK);
    }
    return CPageFunction::OnSetActive();
}

LRESULT CColorPalettePage::OnWizardNext()
{
    if (!m_loaded) return -1;
    m_lastSettingName = m_info->selectedSettingName;
    m_info->dataSaved = m_manager.IsUnchanged();
    return CPageFunction::OnWizardNext();
}

LRESULT CColorPalettePage::OnWizardBack()
{
    m_lastSettingName = m_info->selectedSettingName;
    m_info->dataSaved = m_manager.IsUnchanged();
    return CPageFunction::OnWizardBack();
}

BOOL CColorPalettePage::OnQueryCancel()
{
    m_info->dataSaved = m_manager.IsUnchanged();
    return CPageFunction::OnQueryCancel();
}

void CColorPalettePage::OnEndSession(BOOL ending)
{
    CPageFunction::OnEndSession(ending);
    // A session that goes on keeps the setting its running test job still needs.
    if (ending) m_temporary.Remove();
}

void CColorPalettePage::LoadData()
{
    m_loaded = false;
    m_manager.SetUtilityInfo(*m_info);
    m_manager.LoadDefaultData();
    if (m_info->userSettingSelected == 0) {
        m_manager.UseDefaults();
    } else {
        m_manager.LoadStoredData();
    }
    m_manager.AcceptCurrent();
    m_current = m_manager.GetCurrent();
    m_default = m_manager.GetDefault();
    m_loaded = true;
}

void CColorPalettePage::RefreshMarks()
{
    int x = 0;
    int y = 0;
    for (int i = 0; m_current.GetValue(i, x, y); ++i) {
        int dx = 0;
        int dy = 0;
        m_default.GetValue(i, dx, dy);
        m_palette.SetEnabled(i, x == 0 && y == 0 ? 0 : 1);
        m_palette.SetChanged(i, x != dx || y != dy ? 1 : 0);
        m_palette.SetBold(i, 0);
    }
}

void CColorPalettePage::OnPaletteClicked()
{
    const int i = m_palette.GetHighlighted();
    if (i < 0) return;
    int cx = 0, cy = 0, dx = 0, dy = 0;
    m_current.GetValue(i, cx, cy);
    m_default.GetValue(i, dx, dy);
    if (cx == 0 && cy == 0 && dx == 0 && dy == 0) return;

    int xFirst = 0, xLast = 0, yFirst = 0, yLast = 0;
    m_default.GetRanges(i, xFirst, xLast, yFirst, yLast);
    m_inputDlg.SetX(cx, dx);
    m_inputDlg.SetY(cy, dy);
    m_inputDlg.SetRanges(xFirst, xLast, yFirst, yLast);
    m_inputDlg.SetIndex(i);

    CWnd::ReleaseCapture();
    m_palette.ClearHighlight(i);
    // The holder keeps the dialog library, and so the template, loaded while the dialog runs.
    CDlgRes library;
    if (m_inputDlg.InitModalIndirect(library.LoadDialogTemplate(CColorInputDlg::templateId), this)) m_inputDlg.DoModal();
    int x = cx;
    int y = cy;
    m_inputDlg.GetResult(x, y);

    const int edited = m_manager.GetStored().IsValue(i, x, y) ? 0 : 1;
    if (x != cx || y != cy) m_palette.SetBold(i, edited);
    m_palette.SetChanged(i, x != dx || y != dy ? 1 : 0);
    m_current.SetValue(i, x, y, edited);
    m_manager.SetCurrent(m_current);
}

void CColorPalettePage::OnRevert()
{
    if (CmyMessageBox().Show(GetSafeHwnd(), IDS_QUESTION_UNDO_CHANGES, MB_YESNO | MB_ICONWARNING,
                             IDS_CAPTION_WARNING) != IDYES)
        return;
    m_current = m_manager.GetStored();
    m_manager.RevertToStored();
    RefreshMarks();
}

void CColorPalettePage::OnTestPrint()
{
    try {
        PrintTestPage();
    } catch (const CmyException& e) {
        e.Report();
    }
}

void CColorPalettePage::PrintTestPage()
{
    const std::string& version = m_info->ccmVersion;
    CColorModule module(version);
    std::string source = m_info->selectedSettingName;
    if (source == m_strRes.Load(IDS_DEFAULT_ENTRY)) source.clear();

    // A stored setting's tables are taken only when they are of the module's size.
    CCcmTables tables;
    module.SetColorData(m_current, 0);
    const int size = module.GetCCMSize();
    tables.Allocate(size);
    if (m_info->userSettingSelected != 0) {
        CColorDataMng stored;
        stored.SetUtilityInfo(*m_info);
        stored.ReadTablesOfSize(source, size, tables.T(), tables.V());
    }
    tables.Compute(module, m_info->userSettingSelected);

    CTestPrint(*m_info, this).PrintColorTest(tables, m_temporary);
}

void CColorPalettePage::WriteTemporaryTables(const std::string& name)
{
    m_manager.WriteTemporaryCCM(name, m_info->userSettingSelected, m_info->selectedSettingName);
}

void CColorPalettePage::RemoveTemporaryTables(const std::string& name)
{
    CColorDataMng temporary;
    temporary.SetUtilityInfo(*m_info);
    temporary.DeleteTemporaryCCM(name);
}
