#include "storage/CDataMngBase.h"

#include <vector>

#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"
#include "storage/CTableText.h"
#include "gamma/CSilentProfileBuilder.h"

namespace {

constexpr int resolutions[] = {300, 600, 1200};
const char emfMode[] = "EMF";

CSilentProfileBuilder silentBuilder;

}  // namespace

CDataMngBase::CDataMngBase(int kind) : m_kind(kind), m_profileBuilder(&silentBuilder) {}

void CDataMngBase::SetProfileBuilder(IProfileBuilder* builder)
{
    m_profileBuilder = builder != nullptr ? builder : &silentBuilder;
}

const char* CDataMngBase::KindWord() const
{
    return m_kind == kindColor ? "Color" : "Gamma";
}

void CDataMngBase::AttachState(const CUtilityInfo& info)
{
    m_info = info;
    m_catalog.SetFile(m_info.driverCatalogPath, m_kind);
}

int CDataMngBase::ReadStoredTables(const std::string& name, BYTE* tTable, BYTE* vTable) const
{
    std::string tText, vText;
    m_catalog.GetTables(name, tText, vText);
    std::vector<BYTE> t, v;
    // A damaged table must not be half read: the setting's data counts as missing.
    if (tText.empty() || vText.empty() || !CTableText::Decode(tText, t) || !CTableText::Decode(vText, v) ||
        v.size() < t.size()) {
        throw CmyException(IDS_ERR_SETTING_DATA_MISSING, name);
    }
    if (tTable != nullptr && vTable != nullptr) {
        std::copy(t.begin(), t.end(), tTable);
        std::copy(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(t.size()), vTable);
        return 0;
    }
    return static_cast<int>(tTable == nullptr && vTable != nullptr ? v.size() : t.size());
}

void CDataMngBase::DeleteDataFile(const std::string& name)
{
    std::string file = m_catalog.GetDataFileName(name);
    // An unknown name has no data file; the folder itself is no file to delete.
    if (file.empty()) return;
    m_files.DeleteFile(m_files.GetDataPath(file, m_info.driverName));
}

void CDataMngBase::DeleteProfileFiles(const std::string& name)
{
    for (int r : resolutions) {
        std::string file = m_catalog.GetProfileFileName(KindWord(), r, name);
        if (!file.empty()) m_files.DeleteFile(m_files.GetDataPath(file, m_info.driverName));
    }
}

int CDataMngBase::RemoveEntry(const std::string& name)
{
    int result = m_catalog.DeleteSetting(name);
    CCtrlMng local;
    local.SetFile(m_info.localCatalogPath, m_kind);
    local.DeleteSetting(name);
    return result;
}

std::string CDataMngBase::DataPathForSave(const std::string& name)
{
    std::string file = m_catalog.GetDataFileName(name);
    if (file.empty()) file = m_catalog.AddSetting(name);
    if (file.empty()) return {};
    return m_files.GetDataPath(file, m_info.driverName);
}

std::string CDataMngBase::DataPathForLoad(const std::string& name) const
{
    std::string file = m_catalog.GetDataFileName(name);
    return file.empty() ? std::string() : m_files.GetDataPath(file, m_info.driverName);
}

std::string CDataMngBase::ModelPrintMode() const
{
    return CIniUtility().GetVersionValue(m_info.ccmVersion, "PrintMode");
}

void CDataMngBase::PrepareLocalCopy()
{
    m_catalog.MarkUpdated();
    m_files.CopyIntoFolder(m_info.driverCatalogPath, m_info.driverName);
}

template <typename Fn>
void CDataMngBase::ForEachFolderCatalog(Fn fn) const
{
    const std::string fileName = CFileAcc::GetFileName(m_info.driverCatalogPath);
    for (int i = 0; i < m_info.driverFolders.GetSize(); ++i) {
        std::string path = CFileAcc::JoinPath(fileName, m_info.driverFolders.GetAt(i));
        if (!m_files.FileExists(path)) continue;
        CCtrlMng folderCatalog;
        folderCatalog.SetFile(path, m_kind);
        fn(folderCatalog);
    }
}

int CDataMngBase::StoreTables(const std::string& name, const CCcmTables& tables, bool everywhere)
{
    const bool emf = ModelPrintMode() == emfMode;
    const std::string tText = CTableText::Encode(tables.T(), tables.GetSize());
    const std::string vText = CTableText::Encode(tables.V(), tables.GetSize());

    const BOOL driverWritten = m_catalog.SetTables(name, tText, vText);
    if (emf) m_catalog.RegisterProfiles(name, m_info.printerName, m_info.driverName, 0);
    if (!everywhere) return driverWritten ? 1 : 0;

    CCtrlMng local;
    local.SetFile(m_info.localCatalogPath, m_kind);
    const BOOL localWritten = local.SetTables(name, tText, vText);
    if (emf) {
        local.RegisterProfiles(name, m_info.printerName, m_info.driverName, 0);
        ForEachFolderCatalog([&](CCtrlMng& catalog) {
            catalog.RegisterProfiles(name, m_info.printerName, m_info.driverName, 0);
        });
        const int kind = m_kind == kindColor ? IProfileBuilder::colorProfiles : IProfileBuilder::gammaProfiles;
        m_profileBuilder->BuildProfiles(m_info, kind, tables.T(), name, m_info.driverCatalogPath);
    }
    return driverWritten && localWritten ? 1 : 0;
}

void CDataMngBase::DeleteInstalledProfiles(const std::string& name)
{
    for (int r : resolutions) {
        std::string key = m_catalog.GetProfileFileName(KindWord(), r, name);
        if (key.empty()) continue;
        std::string path = m_catalog.GetString(KindWord(), key);
        // A setting without recorded profiles has nothing installed; "" is no file.
        if (path.empty()) continue;
        if (m_files.DeleteFile(path) != 0) m_files.DeleteFile(CFileAcc::StripRoot(path));
    }
    DeleteProfileFiles(name);
    m_catalog.DeleteProfiles(name, 0);
}

void CDataMngBase::RemoveTables(const std::string& name, bool emf)
{
    m_catalog.DeleteTables(name);
    if (m_kind == kindGamma) m_catalog.DeleteKey(name);
    if (emf) DeleteInstalledProfiles(name);
}

void CDataMngBase::RemoveTablesEverywhere(const std::string& name, bool emf)
{
    m_files.CopyIntoFolder(m_info.driverCatalogPath, m_info.driverName);
    RemoveTables(name, emf);

    CCtrlMng local;
    local.SetFile(m_info.localCatalogPath, m_kind);
    local.DeleteTables(name);
    if (m_kind == kindGamma) local.DeleteKey(name);
    if (emf) {
        local.DeleteProfiles(name, 0);
        ForEachFolderCatalog([&](CCtrlMng& catalog) { catalog.DeleteProfiles(name, 0); });
    }
    m_catalog.MarkUpdated();
    local.MarkUpdated();
}
