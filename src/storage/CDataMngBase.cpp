#include "storage/CDataMngBase.h"

#include <map>
#include <set>
#include <vector>

#include "framework/CFile.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"
#include "storage/CTableText.h"
#include "storage/CTransactionJournal.h"

namespace {

constexpr int resolutions[] = {300, 600, 1200};
const char emfMode[] = "EMF";

// One operation asks about the same printer's driver for every catalogue it registers
// profiles in: the spooler is asked once.
class RememberedDriver : public IPrinterDriverInfo {
public:
    explicit RememberedDriver(const IPrinterDriverInfo& drivers) : m_drivers(drivers) {}
    Driver Find(const std::string& printerName) const override
    {
        if (!m_known || printerName != m_printer) {
            m_driver = m_drivers.Find(printerName);
            m_printer = printerName;
            m_known = true;
        }
        return m_driver;
    }

private:
    const IPrinterDriverInfo& m_drivers;
    mutable std::string m_printer;
    mutable Driver m_driver;
    mutable bool m_known = false;
};

// Writes bytes as the whole staged file at path; an import brings its files as bytes read once.
void WriteStaged(const std::string& path, const std::string& bytes, const std::string& notStored)
{
    CFile file;
    try {
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) throw CFileException();
        file.Write(bytes.data(), static_cast<unsigned>(bytes.size()));
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
    }
}

}  // namespace

CDataMngBase::CDataMngBase(int kind, IProfileBuilder& defaultBuilder, const IPrinterDriverInfo& drivers)
    : m_kind(kind), m_defaultBuilder(defaultBuilder), m_profileBuilder(&defaultBuilder), m_drivers(drivers)
{
}

void CDataMngBase::SetProfileBuilder(IProfileBuilder* builder)
{
    m_profileBuilder = builder != nullptr ? builder : &m_defaultBuilder;
}

const char* CDataMngBase::KindWord() const
{
    return m_kind == kindColor ? "Color" : "Gamma";
}

void CDataMngBase::AttachState(const CUtilityInfo& info)
{
    // What is left is repaired when it can be; otherwise the next write refuses to start.
    CTransactionJournal::Recover();
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

void CDataMngBase::ReadTablesOfSize(const std::string& name, int size, BYTE* tTable, BYTE* vTable) const
{
    std::string tText, vText;
    m_catalog.GetTables(name, tText, vText);
    if (tText.empty() || vText.empty()) throw CmyException(IDS_ERR_SETTING_DATA_MISSING, name);
    std::vector<BYTE> t, v;
    if (size <= 0 || !CTableText::Decode(tText, t) || !CTableText::Decode(vText, v) ||
        t.size() != static_cast<size_t>(size) || v.size() != t.size()) {
        throw CmyException(IDS_ERR_FILE_ACCESS);
    }
    std::copy(t.begin(), t.end(), tTable);
    std::copy(v.begin(), v.end(), vTable);
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

std::string CDataMngBase::DataPathForLoad(const std::string& name) const
{
    std::string file = m_catalog.GetDataFileName(name);
    return file.empty() ? std::string() : m_files.GetDataPath(file, m_info.driverName);
}

std::string CDataMngBase::ModelPrintMode() const
{
    return CIniUtility().GetVersionValue(m_info.ccmVersion, "PrintMode");
}

std::string CDataMngBase::LocalCopyPath() const
{
    if (!m_info.localCatalogPath.empty()) return m_info.localCatalogPath;
    return m_files.GetDataPath(m_info.driverCatalogPath, m_info.driverName);
}

void CDataMngBase::RequireRestoredCatalog() const
{
    if (CFileAcc(m_info.driverCatalogPath).CheckUpdateMark(LocalCopyPath()) == 0) {
        throw CmyException(IDS_ERR_CATALOG_NOT_RESTORED, m_info.driverCatalogPath);
    }
}

void CDataMngBase::StageDriverCatalog(CFileTransaction& transaction, CCtrlMng& driver) const
{
    RequireRestoredCatalog();
    driver.SetFile(transaction.Stage(m_info.driverCatalogPath), m_kind);
    if (!driver.MarkUpdated()) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_info.driverCatalogPath);
}

void CDataMngBase::StageLocalCopy(CFileTransaction& transaction, const CCtrlMng& driver) const
{
    // The local copy is what brings the user's settings back after the driver replaced its
    // catalogue, so it follows the driver catalogue whole.
    transaction.CopyAtCommit(LocalCopyPath(), driver.GetPath());
}

std::string CDataMngBase::DriverProfileFolder(const IPrinterDriverInfo& drivers) const
{
    const std::string driverFolder = drivers.Find(m_info.printerName).folder;
    return driverFolder.empty() ? std::string() : driverFolder + m_info.driverName;
}

void CDataMngBase::StageProfiles(CFileTransaction& transaction, const CCtrlMng& catalog, int kind,
                                 const BYTE* tTable, const std::string& name, const std::string& driverFolder) const
{
    const char* kindWord = kind == IProfileBuilder::gammaProfiles ? "Gamma" : "Color";
    IProfileBuilder::ProfileFiles staged;
    std::string files[3];
    for (int r = 0; r < 3; ++r) {
        // The staged catalogue already gives the setting its identifier, which names the files.
        files[r] = catalog.GetProfileFileName(kindWord, resolutions[r], name);
        if (files[r].empty()) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_info.driverCatalogPath);
        staged[static_cast<size_t>(r)] = transaction.Stage(m_files.GetDataPath(files[r], m_info.driverName), false);
    }
    m_profileBuilder->BuildProfiles(m_info, kind, tTable, name, catalog.GetPath(), staged);
    for (int r = 0; r < 3; ++r) {
        const std::string& built = staged[static_cast<size_t>(r)];
        // A profile not built must not turn into the removal of the stored one.
        if (::GetFileAttributesA(built.c_str()) == INVALID_FILE_ATTRIBUTES) throw CmyException(IDS_ERR_MODULE_FAILED);
        // The driver reads the profiles from its own folder too.
        if (!driverFolder.empty()) transaction.CopyAtCommit(CFileAcc::JoinPath(files[r], driverFolder), built);
    }
}

template <typename Fn>
void CDataMngBase::ForEachFolderCatalog(CFileTransaction& transaction, Fn fn) const
{
    const std::string fileName = CFileAcc::GetFileName(m_info.driverCatalogPath);
    for (int i = 0; i < m_info.driverFolders.GetSize(); ++i) {
        std::string path = CFileAcc::JoinPath(fileName, m_info.driverFolders.GetAt(i));
        if (!m_files.FileExists(path) || transaction.Holds(path)) continue;
        CCtrlMng folderCatalog;
        folderCatalog.SetFile(transaction.Stage(path), m_kind);
        if (!fn(folderCatalog)) throw CmyException(IDS_ERR_SETTING_NOT_STORED, path);
    }
}

void CDataMngBase::StoreSetting(const std::string& name, const CObject& data, const BYTE* tTable,
                                const BYTE* vTable, int size, int mode)
{
    const bool emf = ModelPrintMode() == emfMode;
    const std::string tText = CTableText::Encode(tTable, size);
    const std::string vText = CTableText::Encode(vTable, size);
    const std::string notStored = m_info.driverCatalogPath;

    CFileTransaction transaction(notStored);
    CCtrlMng driver;
    StageDriverCatalog(transaction, driver);
    std::string file = driver.GetDataFileName(name);
    if (file.empty()) file = driver.AddSetting(name);
    if (file.empty()) throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
    bool written = m_kind != kindGamma || driver.WriteNumber(name, mode);
    written = driver.SetTables(name, tText, vText) && written;
    const RememberedDriver drivers(m_drivers);
    if (emf) written = driver.RegisterProfiles(name, drivers, m_info.printerName, m_info.driverName, 0) && written;
    if (!written) throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
    StageLocalCopy(transaction, driver);
    if (emf) {
        ForEachFolderCatalog(transaction, [&](CCtrlMng& catalog) {
            return catalog.RegisterProfiles(name, drivers, m_info.printerName, m_info.driverName, 0);
        });
    }
    m_files.SaveStagedObject(transaction.Stage(m_files.GetDataPath(file, m_info.driverName), false), &data);
    if (emf) {
        const std::string driverFolder = DriverProfileFolder(drivers);
        if (!driverFolder.empty() && !m_files.FileExists(driverFolder)) ::CreateDirectoryA(driverFolder.c_str(), nullptr);
        const int kind = m_kind == kindColor ? IProfileBuilder::colorProfiles : IProfileBuilder::gammaProfiles;
        StageProfiles(transaction, driver, kind, tTable, name, driverFolder);
    }
    transaction.Commit();
}

int CDataMngBase::StoreTemporaryTables(const std::string& name, const BYTE* tTable, const BYTE* vTable, int size)
{
    const std::string tText = CTableText::Encode(tTable, size);
    const std::string vText = CTableText::Encode(vTable, size);
    BOOL written = m_catalog.SetTables(name, tText, vText);
    if (ModelPrintMode() == emfMode) {
        written = m_catalog.RegisterProfiles(name, m_drivers, m_info.printerName, m_info.driverName, 0) && written;
    }
    return written ? 1 : 0;
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

BOOL CDataMngBase::RemoveWholeSetting(const std::string& name, bool emf)
{
    // An unknown name changes nothing, not even the update mark.
    if (m_catalog.GetIdByName(name).empty()) return FALSE;
    const std::string notStored = m_info.driverCatalogPath;
    CFileTransaction transaction(notStored);
    CCtrlMng driver;
    StageDriverCatalog(transaction, driver);

    // The files go with the entry; their names come from it.
    const std::string dataFile = driver.GetDataFileName(name);
    transaction.Remove(m_files.GetDataPath(dataFile, m_info.driverName));
    if (emf) {
        for (int r : resolutions) {
            const std::string key = driver.GetProfileFileName(KindWord(), r, name);
            if (key.empty()) continue;
            transaction.Remove(m_files.GetDataPath(key, m_info.driverName));
            const std::string installed = driver.GetString(KindWord(), key);
            if (!installed.empty()) transaction.Remove(installed);
        }
    }

    bool written = true;
    if (emf) written = driver.DeleteProfiles(name, 0) && written;
    written = driver.DeleteTables(name) && written;
    if (m_kind == kindGamma) written = driver.DeleteKey(name) && written;
    written = driver.DeleteSetting(name) && written;
    if (!written) throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
    StageLocalCopy(transaction, driver);
    if (emf) {
        ForEachFolderCatalog(transaction, [&](CCtrlMng& catalog) { return catalog.DeleteProfiles(name, 0); });
    }
    transaction.Commit();
    return TRUE;
}

void CDataMngBase::CheckImportRoom(int newSettings) const
{
    RequireRestoredCatalog();
    if (m_catalog.GetTotalSettingCount() + newSettings > CCtrlMng::maxSettings) {
        throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
    }
}

int CDataMngBase::ImportSettings(const std::vector<ImportedSetting>& settings)
{
    if (settings.empty()) return 0;
    const std::string notStored = m_info.driverCatalogPath;
    const bool emf = m_info.printMode == emfMode;
    CFileTransaction transaction(notStored);
    CCtrlMng driver;
    StageDriverCatalog(transaction, driver);

    const RememberedDriver drivers(m_drivers);
    const std::string driverFolder = emf ? DriverProfileFolder(drivers) : std::string();
    if (!driverFolder.empty() && !m_files.FileExists(driverFolder)) ::CreateDirectoryA(driverFolder.c_str(), nullptr);
    // The entries of both kinds are read once: a lookup by name for every setting would walk
    // the growing catalogue each time.
    CCtrlMng catalogs[2];
    std::map<std::string, std::string> ids[2];
    std::set<int> used[2];
    for (int k = 0; k < 2; ++k) {
        catalogs[k].SetFile(driver.GetPath(), k == 0 ? kindColor : kindGamma);
        for (const CCtrlMng::Entry& entry : catalogs[k].GetEntries()) {
            ids[k].emplace(entry.name, entry.id);
            used[k].insert(std::stoi(entry.id));
        }
    }
    // New settings get their entries first, the smallest free identifiers as AddSetting gives
    // them, within the limit of both kinds together; each count is written once.
    int total = driver.GetTotalSettingCount();
    std::vector<std::pair<std::string, int>> added[2];
    for (const ImportedSetting& setting : settings) {
        const int k = setting.kind == kindGamma ? 1 : 0;
        std::string& id = ids[k][setting.name];
        if (!id.empty()) continue;
        int free = 0;
        while (used[k].count(free) != 0) ++free;
        if (total >= CCtrlMng::maxSettings || free >= CCtrlMng::maxSettings) {
            throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
        }
        id = std::to_string(free);
        used[k].insert(free);
        added[k].emplace_back(setting.name, free);
        ++total;
    }
    for (int k = 0; k < 2; ++k) {
        if (!catalogs[k].AppendSettings(added[k])) throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
    }
    for (const ImportedSetting& setting : settings) {
        const int k = setting.kind == kindGamma ? 1 : 0;
        CCtrlMng& catalog = catalogs[k];
        const std::string& id = ids[k][setting.name];
        const std::string file = catalog.GetDataFileNameById(id);
        bool written = setting.kind != kindGamma || catalog.WriteNumber(setting.name, setting.mode);
        written = catalog.SetTablesById(id, setting.tText, setting.vText) && written;
        if (!written) throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
        if (setting.hasData) {
            WriteStaged(transaction.Stage(m_files.GetDataPath(file, m_info.driverName), false), setting.data, notStored);
        }
        if (!emf) continue;

        const char* word = setting.kind == kindColor ? "Color" : "Gamma";
        for (int r = 0; r < 3; ++r) {
            if (!setting.hasProfile[r]) continue;
            const std::string to = catalog.GetProfileFileName(word, resolutions[r], setting.name);
            WriteStaged(transaction.Stage(m_files.GetDataPath(to, m_info.driverName), false), setting.profiles[r],
                        notStored);
            // The driver reads the profiles from its own folder too.
            if (!driverFolder.empty()) {
                WriteStaged(transaction.Stage(CFileAcc::JoinPath(to, driverFolder), false), setting.profiles[r],
                            notStored);
            }
        }
        if (!catalog.RegisterProfiles(setting.name, drivers, m_info.printerName, m_info.driverName, 1)) {
            throw CmyException(IDS_ERR_SETTING_NOT_STORED, notStored);
        }
        if (!setting.profileTable.empty()) {
            const int kind = setting.kind == kindGamma ? IProfileBuilder::gammaProfiles : IProfileBuilder::colorProfiles;
            StageProfiles(transaction, catalog, kind, setting.profileTable.data(), setting.name, driverFolder);
        }
    }
    StageLocalCopy(transaction, driver);
    transaction.Commit();
    return static_cast<int>(settings.size());
}
