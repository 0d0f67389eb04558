#include "pages/CSettingEditPage.h"

#include "exchange/CExchangeMessageBoxes.h"
#include "exchange/CSettingDelete.h"
#include "exchange/CSettingExport.h"
#include "exchange/CSettingImport.h"
#include "framework/CFileDialog.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "launch/CDlgRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "exchange/CSettingFileCopy.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"

namespace {

// Keeps the current directory across a file dialog, which may change it.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() : m_length(GetCurrentDirectoryA(MAX_PATH, m_folder)) {}
    ~CurrentDirectoryKeeper()
    {
        if (m_length > 0 && m_length < MAX_PATH) SetCurrentDirectoryA(m_folder);
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    char m_folder[MAX_PATH] = {};
    DWORD m_length;
};

}  // namespace

CSettingEditPage::CSettingEditPage(CUtilityInfo* info) : CPageFunction(IDD_SETTING_EXCHANGE_PAGE, info)
{
    MapCommand(IDC_EXCHANGE_DELETE_BUTTON, &CSettingEditPage::OnDelete);
    MapCommand(IDC_EXCHANGE_EXPORT_BUTTON, &CSettingEditPage::OnExport);
    MapCommand(IDC_EXCHANGE_IMPORT_BUTTON, &CSettingEditPage::OnImport);
}

void CSettingEditPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_EXCHANGE_LIST_LABEL, m_listLabel);
    DDX_Control(dx, IDC_EXCHANGE_EXPORT_NOTE, m_exportText);
    DDX_Control(dx, IDC_EXCHANGE_IMPORT_NOTE, m_importText);
    DDX_Control(dx, IDC_EXCHANGE_PICTURE, m_picture);
    DDX_Control(dx, IDC_EXCHANGE_PICTURE_FRAME, m_pictureFrame);
    DDX_Control(dx, IDC_EXCHANGE_LIST_NOTE, m_listText);
    DDX_Control(dx, IDC_EXCHANGE_SETTINGS_GROUP, m_settingsGroup);
    DDX_Control(dx, IDC_EXCHANGE_LIST, m_list);
    DDX_Control(dx, IDC_EXCHANGE_EXPORT_BUTTON, m_export);
    DDX_Control(dx, IDC_EXCHANGE_DELETE_BUTTON, m_delete);
    DDX_Control(dx, IDC_EXCHANGE_IMPORT_BUTTON, m_import);
    DDX_Control(dx, IDC_EXCHANGE_FILES_GROUP, m_filesGroup);
}

BOOL CSettingEditPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    SetSheetTitle(*this, IDS_TITLE_SETTING_EXCHANGE, m_strRes);

    m_listLabel.SetCaption(IDS_EXCHANGE_LIST_LABEL);
    m_exportText.SetCaption(IDS_EXCHANGE_EXPORT_NOTE);
    m_importText.SetCaption(IDS_EXCHANGE_IMPORT_NOTE);
    m_listText.SetCaption(IDS_EXCHANGE_LIST_NOTE);
    m_settingsGroup.SetCaption(IDS_EXCHANGE_SETTINGS_GROUP);
    m_export.SetCaption(IDS_BUTTON_EXPORT);
    m_delete.SetCaption(IDS_BUTTON_DELETE);
    m_import.SetCaption(IDS_BUTTON_IMPORT);
    m_filesGroup.SetCaption(IDS_EXCHANGE_FILES_GROUP);
    RECT client{};
    m_pictureFrame.GetClientRect(&client);
    m_picture.SetBitmap(IDB_SIDE_PICTURE, client);

    RefreshList();
    return CPageFunction::OnSetActive();
}

void CSettingEditPage::EnableList(BOOL enable)
{
    m_list.EnableWindow(enable);
    m_delete.EnableWindow(enable);
    m_export.EnableWindow(enable);
}

void CSettingEditPage::RefreshList()
{
    m_list.ResetContent();
    m_colorNames.RemoveAll();
    m_gammaNames.RemoveAll();
    CCtrlMng colour;
    colour.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindColor);
    CCtrlMng gamma;
    gamma.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindGamma);
    m_colorNames = colour.GetSettingNames();
    m_gammaNames = gamma.GetSettingNames();
    // The item data keeps the kind: a colour and a gamma setting may share a name.
    for (const std::string& name : m_colorNames) m_list.SetItemData(m_list.AddString(name), CAddSettingDlg::kindColor);
    for (const std::string& name : m_gammaNames) m_list.SetItemData(m_list.AddString(name), CAddSettingDlg::kindGamma);
    const BOOL any = m_list.GetCount() > 0;
    EnableList(any);
    if (any) m_list.SetCurSel(0);
}

void CSettingEditPage::OnDelete()
{
    try {
        const int selected = m_list.GetCurSel();
        if (selected < 0) return;
        if (CmyMessageBox().Show(GetSafeHwnd(), IDS_QUESTION_DELETE_SETTING, MB_YESNO | MB_ICONWARNING,
                                 IDS_CAPTION_WARNING) != IDYES) {
            return;
        }
        const std::string name = m_list.GetText(selected);
        const int kind = static_cast<int>(m_list.GetItemData(selected));
        m_list.DeleteString(selected);

        // Only the setting of the selected entry goes: one of the other kind with the same
        // name stays listed and stored.
        CmyStringArray& names = kind == CAddSettingDlg::kindGamma ? m_gammaNames : m_colorNames;
        for (int i = 0; i < names.GetSize(); ++i) {
            if (names[i] == name) {
                names.RemoveAt(i);
                break;
            }
        }
        CSettingDelete(*m_info).Delete(name, kind);

        if (m_list.GetCount() == 0) {
            m_list.ResetContent();
            EnableList(FALSE);
        } else {
            m_list.SetCurSel(0);
        }
    } catch (const CmyException& e) {
        e.Report();
        // A deletion that failed left the setting stored: the list shows it again.
        RefreshList();
    }
}

BOOL CSettingEditPage::ChooseSettings(CmyStringArray& names, std::vector<int>& kinds)
{
    CDlgRes library;
    if (!m_selectDialog.InitModalIndirect(library.LoadDialogTemplate(CAddSettingDlg::templateId), this)) return FALSE;
    if (m_selectDialog.DoModal() != 1) return FALSE;
    names = m_selectDialog.GetChosenNames();
    kinds = m_selectDialog.GetChosenKinds();
    return !names.IsEmpty() && static_cast<size_t>(names.GetSize()) == kinds.size();
}

std::string CSettingEditPage::NormalizeExtension(const std::string& path)
{
    return CSettingExport::NormalizeExtension(path);
}

void CSettingEditPage::OnExport()
{
    try {
        m_selectDialog.Prepare(*m_info, std::string());
        if (!m_selectDialog.ComputeCandidates()) return;
        CmyStringArray names;
        std::vector<int> kinds;
        if (!ChooseSettings(names, kinds)) return;

        std::string path;
        {
            CurrentDirectoryKeeper keeper;
            const std::string filter = m_strRes.Load(IDS_FILTER_SAVE_SETTING_FILE);
            CFileDialog dialog(FALSE, "CCM", nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, filter.c_str(), this);
            if (dialog.DoModal() != IDOK) return;
            path = dialog.GetPathName();
        }
        if (path.empty()) return;
        ExportSettings(names, kinds, NormalizeExtension(path));
    } catch (const CmyException& e) {
        e.Report();
    }
}

BOOL CSettingEditPage::ExportSettings(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& path)
{
    CExchangeMessageBoxes boxes(GetSafeHwnd());
    return CSettingExport(*m_info, boxes).Export(names, kinds, path);
}

void CSettingEditPage::OnImport()
{
    std::string path;
    {
        CurrentDirectoryKeeper keeper;
        const std::string filter = m_strRes.Load(IDS_FILTER_OPEN_SETTING_FILE);
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                           filter.c_str(), this);
        if (dialog.DoModal() == IDOK) path = dialog.GetPathName();
    }
    if (path.empty()) return;

    // The file is read once into a copy of our own: what is checked is what is imported.
    CSettingFileCopy copy;
    std::string argument;
    if (const UINT problem = copy.Take(path, &argument)) {
        CmyMessageBox().Show(GetSafeHwnd(), problem, MB_ICONWARNING, IDS_CAPTION_WARNING, argument);
        return;
    }
    m_selectDialog.Prepare(*m_info, copy.GetSettingFile());
    if (!m_selectDialog.ComputeCandidates()) {
        CmyMessageBox().Show(GetSafeHwnd(), IDS_MSG_NOTHING_TO_IMPORT, MB_ICONWARNING, IDS_CAPTION_WARNING);
        return;
    }
    CmyStringArray names;
    std::vector<int> kinds;
    if (!ChooseSettings(names, kinds)) return;

    // An import stores all the settings or none.
    try {
        CExchangeMessageBoxes boxes(GetSafeHwnd());
        if (CSettingImport(*m_info, boxes).Import(names, kinds, copy) > 0) RefreshList();
    } catch (const CmyException& e) {
        e.Report();
    }
}

int CSettingEditPage::ImportSettings(const CmyStringArray& names, const std::vector<int>& kinds,
                                     const std::string& settingFile)
{
    CSettingFileCopy copy;
    if (const UINT problem = copy.Take(settingFile)) throw CmyException(problem, {}, CmyException::warning);
    CExchangeMessageBoxes boxes(GetSafeHwnd());
    return CSettingImport(*m_info, boxes).Import(names, kinds, copy);
}
