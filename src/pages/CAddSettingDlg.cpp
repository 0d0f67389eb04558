#include "pages/CAddSettingDlg.h"

#include "framework/DataExchange.h"
#include "launch/CStrRes.h"
#include "exchange/CSettingCandidates.h"

namespace {

constexpr INT_PTR resultConfirmed = 1;
constexpr INT_PTR resultCancelled = 2;

}  // namespace

CAddSettingDlg::CAddSettingDlg() : CDialog(templateId)
{
    MapCommand(IDC_ADDSETTING_SELECTALL_BUTTON, &CAddSettingDlg::OnSelectAll);
    MapCommand(IDC_ADDSETTING_CONFIRM_BUTTON, &CAddSettingDlg::OnConfirm);
    MapCommand(IDC_ADDSETTING_CANCEL_BUTTON, &CAddSettingDlg::OnCancelButton);
}

void CAddSettingDlg::Prepare(const CUtilityInfo& info, const std::string& importPath)
{
    m_info.driverFolders.RemoveAll();
    m_info = info;
    if (importPath.empty()) {
        m_mode = modeExport;
        return;
    }
    m_catalogPath = info.driverCatalogPath;
    m_info.driverCatalogPath = importPath;
    m_mode = modeImport;
}

int CAddSettingDlg::ComputeCandidates()
{
    m_colorNames.RemoveAll();
    m_gammaNames.RemoveAll();
    if (m_mode == modeImport) {
        m_colorNames = CSettingCandidates::ForImport(m_info.driverCatalogPath, m_catalogPath, kindColor);
        m_gammaNames = CSettingCandidates::ForImport(m_info.driverCatalogPath, m_catalogPath, kindGamma);
    } else {
        m_colorNames = CSettingCandidates::ForExport(m_info.driverCatalogPath, kindColor);
        m_gammaNames = CSettingCandidates::ForExport(m_info.driverCatalogPath, kindGamma);
    }
    return !m_colorNames.IsEmpty() || !m_gammaNames.IsEmpty();
}

void CAddSettingDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ADDSETTING_CANCEL_BUTTON, m_cancel);
    DDX_Control(dx, IDC_ADDSETTING_LIST, m_list);
    DDX_Control(dx, IDC_ADDSETTING_INSTRUCTION, m_text);
    DDX_Control(dx, IDC_ADDSETTING_SELECTALL_BUTTON, m_selectAll);
    DDX_Control(dx, IDC_ADDSETTING_CONFIRM_BUTTON, m_confirm);
}

BOOL CAddSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const bool importing = m_mode == modeImport;
    m_confirm.SetCaption(importing ? IDS_BUTTON_IMPORT : IDS_BUTTON_EXPORT);
    m_text.SetCaption(importing ? IDS_ADDSETTING_IMPORT_INSTRUCTION : IDS_ADDSETTING_EXPORT_INSTRUCTION);
    SetWindowText(CStrRes().Load(importing ? IDS_TITLE_IMPORT : IDS_TITLE_EXPORT));
    m_selectAll.SetCaption(IDS_BUTTON_SELECT_ALL);
    m_cancel.SetCaption(IDS_BUTTON_CANCEL);

    m_chosenNames.RemoveAll();
    m_chosenKinds.clear();
    m_list.ResetContent();
    for (const std::string& name : m_colorNames) m_list.SetItemData(m_list.AddString(name), kindColor);
    for (const std::string& name : m_gammaNames) m_list.SetItemData(m_list.AddString(name), kindGamma);
    m_list.SetSel(-1, TRUE);
    return TRUE;
}

void CAddSettingDlg::OnSelectAll() { m_list.SetSel(-1, TRUE); }

void CAddSettingDlg::OnConfirm()
{
    m_chosenNames.RemoveAll();
    m_chosenKinds.clear();
    const int count = m_list.GetCount();
    for (int i = 0; i < count; ++i) {
        if (m_list.GetSel(i) <= 0) continue;
        m_chosenNames.Add(m_list.GetText(i));
        m_chosenKinds.push_back(static_cast<int>(m_list.GetItemData(i)));
    }
    if (!m_chosenNames.IsEmpty()) EndDialog(resultConfirmed);
}

void CAddSettingDlg::OnCancelButton() { EndDialog(resultCancelled); }

void CAddSettingDlg::OnCancel() { EndDialog(resultCancelled); }
