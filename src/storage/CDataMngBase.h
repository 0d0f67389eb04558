// What the colour and the gamma data managers share: the wizard state, the file access and
// the driver's catalogue of one kind, and the way a setting's data file, tables and profiles
// are stored in, and removed from, the driver catalogue, its local copy and the spooler's
// driver folders. A save, an import and a deletion are each one CFileTransaction: every file
// they change is changed, or none is, even when the process dies on the way (the next use of
// a manager finishes or takes back what the journal names).
#pragma once

#include <string>
#include <vector>

#include "framework/CObject.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"
#include "platform/win32api.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CFileTransaction.h"
#include "storage/IPrinterDriverInfo.h"
#include "storage/IProfileBuilder.h"

class CDataMngBase {
public:
    static constexpr int kindColor = 1;
    static constexpr int kindGamma = 2;

    virtual ~CDataMngBase() = default;

    // Who builds the profiles of a saved "EMF" setting; null: the manager's own default. The
    // builder is not owned and must outlive the saves.
    void SetProfileBuilder(IProfileBuilder* builder);

    const std::string& GetPrinterName() const { return m_info.printerName; }
    CmyStringArray GetSettingNames() const { return m_catalog.GetSettingNames(); }

    // The stored tables of a setting. Both buffers null or only T: the T length; only V: the V
    // length; both: the first (T length) bytes of each copied, result 0. A table that is missing,
    // empty, not hexadecimal text, or a V table shorter than its T table raises
    // IDS_ERR_SETTING_DATA_MISSING (the name).
    int ReadStoredTables(const std::string& name, BYTE* tTable, BYTE* vTable) const;
    // The stored tables of a setting for editing or printing, into two buffers of size bytes,
    // the size the model's module reports. Missing tables raise IDS_ERR_SETTING_DATA_MISSING
    // (the name); tables of any other length, or that are no hexadecimal text, are a damaged
    // entry (IDS_ERR_FILE_ACCESS): their bytes would reach the printer as they are.
    void ReadTablesOfSize(const std::string& name, int size, BYTE* tTable, BYTE* vTable) const;

    void DeleteDataFile(const std::string& name);
    // The setting's three profile files in the per-driver folder.
    void DeleteProfileFiles(const std::string& name);

    // What an import brings for one setting, read from a setting file.
    struct ImportedSetting {
        int kind = kindColor;
        std::string name;      // the name to store under (a stored one keeps its spelling)
        std::string tText;     // the tables as catalogue text
        std::string vText;
        int mode = 0;          // gamma settings: the module mode
        // The bytes of the data file, when hasData; without, the stored one, if any, stays.
        bool hasData = false;
        std::string data;
        // "EMF": the bytes of the profile files for 300, 600 and 1200 dpi, where hasProfile.
        bool hasProfile[3] = {false, false, false};
        std::string profiles[3];
        // "EMF": when not empty, the profiles are built from this T table by the profile
        // builder instead of being copied.
        std::vector<BYTE> profileTable;
    };
    // Raises the message that would refuse an import adding newSettings catalogue entries:
    // a driver catalogue not yet restored, or one that would hold more than the limit. Lets
    // an import refuse before it asks or says anything.
    void CheckImportRoom(int newSettings) const;
    // Stores the settings, replacing stored ones of the same name, in one go; raises the
    // failure's message and changes nothing when any part fails. Gives the number stored.
    int ImportSettings(const std::vector<ImportedSetting>& settings);

protected:
    // defaultBuilder builds the profiles unless another builder is set; drivers tells where a
    // printer's driver keeps them. Neither is owned; both must outlive the manager.
    CDataMngBase(int kind, IProfileBuilder& defaultBuilder, const IPrinterDriverInfo& drivers);

    // Takes the wizard state, after finishing or taking back a transaction that an earlier
    // process left unfinished, so that nothing half stored is ever read.
    void AttachState(const CUtilityInfo& info);
    // The data file of name; empty when the catalogue does not know the name.
    std::string DataPathForLoad(const std::string& name) const;

    // "PrintMode" of the model in the utility INI.
    std::string ModelPrintMode() const;
    // The whole setting: its data file, its entry and tables (and, gamma, its mode) in the
    // driver catalogue and its local copy, and for an "EMF" model its profiles, registered in
    // every catalogue. Raises the failure's message and changes nothing when any part fails.
    // The tables are size bytes each.
    void StoreSetting(const std::string& name, const CObject& data, const BYTE* tTable, const BYTE* vTable, int size,
                      int mode);
    // The tables in the driver catalogue only (a test print); 1 when they were written.
    int StoreTemporaryTables(const std::string& name, const BYTE* tTable, const BYTE* vTable, int size);
    // Removes the tables (and the mode key of gamma settings) from the driver catalogue and,
    // for emf, the profile files it names and their keys.
    void RemoveTables(const std::string& name, bool emf);
    // The whole setting: entry, tables, mode, data file and profiles, everywhere, in one go.
    // FALSE when the name is not stored; raises the failure's message and changes nothing
    // when any part fails.
    BOOL RemoveWholeSetting(const std::string& name, bool emf);

    CUtilityInfo m_info;
    CFileAcc m_files;
    CCtrlMng m_catalog;

private:
    const char* KindWord() const;
    std::string LocalCopyPath() const;
    // Refuses to write while the driver catalogue is a fresh one and the user's settings are
    // only in the local copy: the local copy must never be overwritten then.
    void RequireRestoredCatalog() const;
    // Stages the driver catalogue of the transaction, marked as updated.
    void StageDriverCatalog(CFileTransaction& transaction, CCtrlMng& driver) const;
    // The local copy becomes at the commit a copy of the staged driver catalogue.
    void StageLocalCopy(CFileTransaction& transaction, const CCtrlMng& driver) const;
    // The folder under the printer driver's folder that the driver reads profiles from; empty
    // without a driver.
    std::string DriverProfileFolder(const IPrinterDriverInfo& drivers) const;
    // Builds the setting's profiles from its T table into staged copies of its files in the
    // data folder, copied into the driver's folder at the commit.
    void StageProfiles(CFileTransaction& transaction, const CCtrlMng& catalog, int kind, const BYTE* tTable,
                       const std::string& name, const std::string& driverFolder) const;
    // Runs fn on the staged catalogue of each driver folder that holds a copy of the driver catalogue.
    template <typename Fn>
    void ForEachFolderCatalog(CFileTransaction& transaction, Fn fn) const;
    void DeleteInstalledProfiles(const std::string& name);

    int m_kind;
    IProfileBuilder& m_defaultBuilder;
    IProfileBuilder* m_profileBuilder;
    const IPrinterDriverInfo& m_drivers;
};
