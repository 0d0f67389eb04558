#include "pages/CSettingEditPage.h"

#include <algorithm>
#include <cctype>

#include "color/CColorDataMng.h"
#include "framework/CFileDialog.h"
#include "framework/CFileFind.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CDlgRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "launch/TextFormat.h"
#include "pages/CSettingFileCheck.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"

namespace {

constexpr DWORD errorFileExists = 80;
constexpr int resolutions[] = {300, 600, 1200};

const char* KindWord(int kind) { return kind == CAddSettingDlg::kindGamma ? "Gamma" : "Color"; }

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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
        if (kind == CAddSettingDlg::kindGamma) {
            CGammaDataMng manager;
            manager.SetDriver(*m_info);
            manager.DeleteSettingEverywhere(name);
            manager.DeleteDataFile(name);
            manager.RemoveCatalogEntry(name);
        } else {
            CColorDataMng manager;
            manager.SetUtilityInfo(*m_info);
            manager.DeleteCCM(name);
            manager.DeleteDataFile(name);
            manager.RemoveSetting(name);
        }

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
    std::string result = path;
    if (EndsWith(Lower(result), ".ccm_")) result.pop_back();
    if (!EndsWith(Lower(result), ".ccm")) result += ".ccm";
    return result;
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

BOOL CSettingEditPage::CopyForExport(const std::string& source, const std::string& target)
{
    if (source.empty()) return FALSE;
    const CFileAcc files;
    DWORD result = files.CopyFile(source, target, TRUE);
    if (result == errorFileExists) {
        const std::string question = FormatText(m_strRes.Load(IDS_QUESTION_REPLACE_FILE), target);
        if (CmyMessageBox().ShowText(question, MB_OKCANCEL) != IDOK) return FALSE;
        result = files.CopyFile(source, target, FALSE);
    }
    return result == 0;
}

void CSettingEditPage::ShowWarning(UINT textId, const std::string& first, const std::string& second)
{
    CmyMessageBox().ShowText(FormatText(m_strRes.Load(textId), first, second), MB_ICONWARNING);
}

BOOL CSettingEditPage::ExportSettings(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& path)
{
    const auto slash = path.find_last_of('\\');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = path.substr(dir.size());
    const auto dot = file.find_last_of('.');
    const std::string base = dot == std::string::npos ? file : file.substr(0, dot);
    const std::string settingFolder = dir + base;

    {
        CFileFind find;
        if (base.empty() || find.FindFile(settingFolder)) {
            CmyMessageBox().Show(GetSafeHwnd(), IDS_ERR_EXPORT_FOLDER_EXISTS, MB_ICONWARNING, IDS_CAPTION_WARNING,
                                 settingFolder);
            return FALSE;
        }
    }
    const CFileAcc files;
    files.CreateFolder(base, dir);
    const std::string settingFile = settingFolder + "\\" + file;
    {
        // A folder or file that cannot be made must not end in a report of success.
        CFile created;
        if (!created.Open(settingFile, CFile::modeCreate | CFile::modeWrite)) {
            CmyMessageBox().Show(GetSafeHwnd(), IDS_ERR_FILE_ACCESS, MB_ICONWARNING, IDS_CAPTION_WARNING);
            return FALSE;
        }
        created.Abort();
    }

    CCtrlMng driverColour, driverGamma, fileColour, fileGamma;
    driverColour.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindColor);
    driverGamma.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindGamma);
    fileColour.SetFile(settingFile, CAddSettingDlg::kindColor);
    fileGamma.SetFile(settingFile, CAddSettingDlg::kindGamma);
    fileColour.MarkUpdated();

    for (int i = 0; i < names.GetSize() && static_cast<size_t>(i) < kinds.size(); ++i) {
        const std::string& name = names[i];
        const int kind = kinds[static_cast<size_t>(i)];
        const bool gamma = kind == CAddSettingDlg::kindGamma;
        CCtrlMng& source = gamma ? driverGamma : driverColour;
        CCtrlMng& target = gamma ? fileGamma : fileColour;

        std::string tText, vText;
        source.GetTables(name, tText, vText);
        if (gamma) target.WriteNumber(name, source.ReadNumber(name));
        const std::string sourceFile = source.GetDataFileName(name);
        const std::string newFile = target.AddSetting(name);
        target.SetTables(name, tText, vText);

        const std::string dataSource = sourceFile.empty() ? std::string() : files.GetDataPath(sourceFile, m_info->driverName);
        if (!CopyForExport(dataSource, settingFolder + "\\" + newFile)) {
            ShowWarning(IDS_ERR_EXPORT_DATA_FILE, newFile, name);
        }

        if (m_info->printMode == "EMF") {
            for (int resolution : resolutions) {
                const std::string from = source.GetProfileFileName(KindWord(kind), resolution, name);
                const std::string to = target.GetProfileFileName(KindWord(kind), resolution, name);
                const std::string fromPath = from.empty() ? std::string() : files.GetDataPath(from, m_info->driverName);
                if (to.empty() || !CopyForExport(fromPath, settingFolder + "\\" + to)) {
                    ShowWarning(IDS_ERR_EXPORT_PROFILE, newFile, name);
                }
            }
        }
    }

    CmyMessageBox().Show(GetSafeHwnd(), IDS_MSG_EXPORTED, MB_ICONINFORMATION, IDS_TITLE_EXPORT, settingFolder);
    return TRUE;
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

    // Nothing is read from a setting file that is not of our own form.
    if (const UINT problem = CSettingFileCheck::CheckCatalog(path)) {
        CmyMessageBox().Show(GetSafeHwnd(), problem, MB_ICONWARNING, IDS_CAPTION_WARNING);
        return;
    }
    m_selectDialog.Prepare(*m_info, path);
    if (!m_selectDialog.ComputeCandidates()) {
        CmyMessageBox().Show(GetSafeHwnd(), IDS_MSG_NOTHING_TO_IMPORT, MB_ICONWARNING, IDS_CAPTION_WARNING);
        return;
    }
    CmyStringArray names;
    std::vector<int> kinds;
    if (!ChooseSettings(names, kinds)) return;

    try {
        if (ImportSettings(names, kinds, path) > 0) RefreshList();
    } catch (const CmyException& e) {
        e.Report();
    }
}

int CSettingEditPage::ImportSettings(const CmyStringArray& names, const std::vector<int>& kinds,
                                     const std::string& settingFile)
{
    // Every check comes first, so that a damaged setting file changes nothing stored.
    if (const UINT problem = CSettingFileCheck::CheckCatalog(settingFile)) throw CmyException(problem, {}, CmyException::warning);
    if (static_cast<size_t>(names.GetSize()) != kinds.size()) return 0;
    for (int i = 0; i < names.GetSize(); ++i) {
        if (const UINT problem = CSettingFileCheck::CheckDataFile(settingFile, names[i], kinds[static_cast<size_t>(i)])) {
            throw CmyException(problem, {}, CmyException::warning);
        }
    }

    const std::string folder = CFileAcc::GetFolderPart(settingFile);
    CCtrlMng driverColour, driverGamma, fileColour, fileGamma;
    driverColour.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindColor);
    driverGamma.SetFile(m_info->driverCatalogPath, CAddSettingDlg::kindGamma);
    fileColour.SetFile(settingFile, CAddSettingDlg::kindColor);
    fileGamma.SetFile(settingFile, CAddSettingDlg::kindGamma);
    const CFileAcc files;

    // Everything is asked and read first; the settings are then stored in one go, so a failure
    // leaves every stored setting and both catalogues as they were.
    std::vector<CDataMngBase::ImportedSetting> settings;
    for (int i = 0; i < names.GetSize(); ++i) {
        const std::string& sourceName = names[i];
        const int kind = kinds[static_cast<size_t>(i)];
        const bool gamma = kind == CAddSettingDlg::kindGamma;
        CCtrlMng& driver = gamma ? driverGamma : driverColour;
        CCtrlMng& source = gamma ? fileGamma : fileColour;

        const std::string sourceFile = source.GetDataFileName(sourceName);
        if (sourceFile.empty()) continue;
        // A stored name that differs only in case is the same catalogue key: the import
        // replaces that setting and keeps its spelling.
        const std::string stored = CCatalogKey::FindStored(driver.GetSettingNames(), sourceName);
        const std::string name = stored.empty() ? sourceName : stored;
        if (!driver.GetDataFileName(name).empty() &&
            CmyMessageBox().Show(GetSafeHwnd(), IDS_QUESTION_REPLACE_SETTING, MB_OKCANCEL | MB_ICONQUESTION,
                                 IDS_CAPTION_WARNING, name) != IDOK) {
            continue;
        }
        CDataMngBase::ImportedSetting setting;
        setting.kind = kind;
        setting.name = name;
        source.GetTables(sourceName, setting.tText, setting.vText);
        if (gamma) setting.mode = source.ReadNumber(sourceName);
        if (files.FileExists(folder + sourceFile)) {
            setting.dataFile = folder + sourceFile;
        } else {
            ShowWarning(IDS_ERR_IMPORT_DATA_FILE, sourceFile, name);
        }
        if (m_info->printMode == "EMF") {
            for (size_t r = 0; r < std::size(resolutions); ++r) {
                const std::string from = source.GetProfileFileName(KindWord(kind), resolutions[r], sourceName);
                if (!from.empty() && files.FileExists(folder + from)) {
                    setting.profiles[r] = folder + from;
                } else {
                    ShowWarning(IDS_ERR_IMPORT_PROFILE, from, name);
                }
            }
        }
        settings.push_back(setting);
    }
    CColorDataMng manager;
    manager.SetUtilityInfo(*m_info);
    return manager.ImportSettings(settings);
}
