// What the colour and the gamma data managers share: the wizard state, the file access and
// the driver's catalogue of one kind, and the way a setting's tables and profiles are stored
// in, and removed from, the driver catalogue, its local copy and the spooler's driver folders.
#pragma once

#include <string>

#include "color/CCcmTables.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"
#include "platform/win32api.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/IProfileBuilder.h"

class CDataMngBase {
public:
    static constexpr int kindColor = 1;
    static constexpr int kindGamma = 2;

    virtual ~CDataMngBase() = default;

    // Who builds the profiles of a saved "EMF" setting; the default builds them silently. The
    // builder is not owned and must outlive the saves.
    void SetProfileBuilder(IProfileBuilder* builder);

    const std::string& GetPrinterName() const { return m_info.printerName; }
    CmyStringArray GetSettingNames() const { return m_catalog.GetSettingNames(); }

    // The stored tables of a setting. Both buffers null or only T: the T length; only V: the V
    // length; both: the first (T length) bytes of each copied, result 0. A table that is missing,
    // empty, not hexadecimal text, or a V table shorter than its T table raises
    // IDS_ERR_SETTING_DATA_MISSING (the name).
    int ReadStoredTables(const std::string& name, BYTE* tTable, BYTE* vTable) const;

    void DeleteDataFile(const std::string& name);
    // The setting's three profile files in the per-driver folder.
    void DeleteProfileFiles(const std::string& name);

protected:
    explicit CDataMngBase(int kind);

    void AttachState(const CUtilityInfo& info);
    // The catalogue entry leaves the driver catalogue, then the local copy; the driver's result.
    int RemoveEntry(const std::string& name);
    // The data file of name, adding the catalogue entry first when it has none (may raise IDS_ERR_CATALOG_FULL).
    std::string DataPathForSave(const std::string& name);
    // The data file of name; empty when the catalogue does not know the name.
    std::string DataPathForLoad(const std::string& name) const;

    // "PrintMode" of the model in the utility INI.
    std::string ModelPrintMode() const;
    // Writes the tables as text into the driver catalogue and registers the profiles of an "EMF"
    // model there. everywhere: also into the local copy (after the update mark and the copy)
    // and the driver folders' catalogues, and builds the profile files. 1 when every table
    // write worked.
    int StoreTables(const std::string& name, const CCcmTables& tables, bool everywhere);
    // Marks the driver catalogue and copies it into the per-driver folder first.
    void PrepareLocalCopy();
    // Removes the tables (and the mode key of gamma settings) from the driver catalogue and,
    // for emf, the profile files it names and their keys.
    void RemoveTables(const std::string& name, bool emf);
    void RemoveTablesEverywhere(const std::string& name, bool emf);

    CUtilityInfo m_info;
    CFileAcc m_files;
    CCtrlMng m_catalog;

private:
    const char* KindWord() const;
    // Runs fn on the catalogue of each driver folder that holds a copy of the driver catalogue.
    template <typename Fn>
    void ForEachFolderCatalog(Fn fn) const;
    void DeleteInstalledProfiles(const std::string& name);

    int m_kind;
    IProfileBuilder* m_profileBuilder;
};
