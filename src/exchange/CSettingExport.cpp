#include "exchange/CSettingExport.h"

#include <algorithm>
#include <cctype>

#include "exchange/ExchangeFiles.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"

namespace {

constexpr DWORD errorFileExists = 80;

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

}  // namespace

std::string CSettingExport::NormalizeExtension(const std::string& path)
{
    std::string result = path;
    if (EndsWith(Lower(result), ".ccm_")) result.pop_back();
    if (!EndsWith(Lower(result), ".ccm")) result += ".ccm";
    return result;
}

std::string CSettingExport::SettingFolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('\\');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = path.substr(dir.size());
    const auto dot = file.find_last_of('.');
    return dir + (dot == std::string::npos ? file : file.substr(0, dot));
}

BOOL CSettingExport::CopyForExport(const std::string& source, const std::string& target)
{
    if (source.empty()) return FALSE;
    const CFileAcc files;
    DWORD result = files.CopyFile(source, target, TRUE);
    if (result == errorFileExists) {
        if (!m_user.ConfirmReplaceFile(target)) return FALSE;
        result = files.CopyFile(source, target, FALSE);
    }
    return result == 0;
}

BOOL CSettingExport::Export(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& path)
{
    const auto slash = path.find_last_of('\\');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = path.substr(dir.size());
    const std::string settingFolder = SettingFolderOf(path);
    const std::string base = settingFolder.substr(dir.size());

    {
        CFileFind find;
        if (base.empty() || find.FindFile(settingFolder)) {
            m_user.Refuse(IDS_ERR_EXPORT_FOLDER_EXISTS, settingFolder);
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
            m_user.Refuse(IDS_ERR_FILE_ACCESS, std::string());
            return FALSE;
        }
        created.Abort();
    }

    CCtrlMng driverColour, driverGamma, fileColour, fileGamma;
    driverColour.SetFile(m_info.driverCatalogPath, CDataMngBase::kindColor);
    driverGamma.SetFile(m_info.driverCatalogPath, CDataMngBase::kindGamma);
    fileColour.SetFile(settingFile, CDataMngBase::kindColor);
    fileGamma.SetFile(settingFile, CDataMngBase::kindGamma);
    fileColour.MarkUpdated();

    for (int i = 0; i < names.GetSize() && static_cast<size_t>(i) < kinds.size(); ++i) {
        const std::string& name = names[i];
        const int kind = kinds[static_cast<size_t>(i)];
        const bool gamma = kind == CDataMngBase::kindGamma;
        CCtrlMng& source = gamma ? driverGamma : driverColour;
        CCtrlMng& target = gamma ? fileGamma : fileColour;

        std::string tText, vText;
        source.GetTables(name, tText, vText);
        if (gamma) target.WriteNumber(name, source.ReadNumber(name));
        const std::string sourceFile = source.GetDataFileName(name);
        const std::string newFile = target.AddSetting(name);
        target.SetTables(name, tText, vText);

        const std::string dataSource = sourceFile.empty() ? std::string() : files.GetDataPath(sourceFile, m_info.driverName);
        if (!CopyForExport(dataSource, settingFolder + "\\" + newFile)) {
            m_user.Warn(IDS_ERR_EXPORT_DATA_FILE, newFile, name);
        }

        if (m_info.printMode == "EMF") {
            for (int resolution : exchange::profileResolutions) {
                const std::string from = source.GetProfileFileName(exchange::KindWord(kind), resolution, name);
                const std::string to = target.GetProfileFileName(exchange::KindWord(kind), resolution, name);
                const std::string fromPath = from.empty() ? std::string() : files.GetDataPath(from, m_info.driverName);
                if (to.empty() || !CopyForExport(fromPath, settingFolder + "\\" + to)) {
                    // The message names the profile file that is missing, not the data file.
                    m_user.Warn(IDS_ERR_EXPORT_PROFILE, to.empty() ? from : to, name);
                }
            }
        }
    }

    m_user.Done(IDS_MSG_EXPORTED, IDS_TITLE_EXPORT, settingFolder);
    return TRUE;
}
