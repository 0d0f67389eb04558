// The setting catalogue in the driver's CCM information file: one section per kind
// ("Color" or "Gamma") listing settings by identifier, with their tables and profile paths.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "storage/CIniAcc.h"
#include "storage/IPrinterDriverInfo.h"

class CCtrlMng : public CIniAcc {
public:
    static constexpr int maxSettings = 60;

    // kind 1 colour, 2 gamma, anything else neither.
    void SetFile(const std::string& catalogPath, int kind);

    int GetSettingCount() const;
    int GetTotalSettingCount() const;
    CmyStringArray GetSettingNames() const;
    std::string GetIdByName(const std::string& name) const;
    std::string GetIndexById(const std::string& id) const;
    std::string GetNameById(const std::string& id) const;
    std::string GetDataFileName(const std::string& name) const;

    // One listed setting: its identifier, name and data file name.
    struct Entry {
        std::string id;
        std::string name;
        std::string dataFile;
    };
    // Every listed setting in GetSettingNames' order, from one walk of the section: for work on
    // many settings, where a lookup by name per setting would walk the section each time.
    std::vector<Entry> GetEntries() const;

    std::string AddSetting(const std::string& name);   // throws CmyException IDS_ERR_CATALOG_FULL at the limit
    void AddTestSetting(const std::string& name);
    BOOL AppendSetting(const std::string& name, int id);
    // Appends several settings (name, identifier) as AppendSetting does, with one write of the
    // count at the end; FALSE at the first write that fails.
    BOOL AppendSettings(const std::vector<std::pair<std::string, int>>& settings);
    BOOL DeleteSetting(const std::string& name);
    // The same for the listed setting of that identifier, whatever its name.
    BOOL DeleteSettingById(const std::string& id);
    void RemoveLastSetting(const std::string& name);

    void GetTables(const std::string& name, std::string& tText, std::string& vText) const;
    // The tables of the setting with identifier id, as GetEntries gives it.
    void GetTablesById(const std::string& id, std::string& tText, std::string& vText) const;
    // Writes both tables of the setting with identifier id; non-zero only if both were written.
    BOOL SetTablesById(const std::string& id, const std::string& tText, const std::string& vText);
    // The data file name of identifier id; empty for an id this class never writes.
    std::string GetDataFileNameById(const std::string& id) const;
    BOOL SetTables(const std::string& name, const std::string& tText, const std::string& vText);
    BOOL DeleteTables(const std::string& name);

    std::string GetProfileFileName(const std::string& kindWord, int resolution, const std::string& name) const;
    // FALSE when a key could not be written; nothing to register is no failure.
    // drivers tells where the driver of printerName lives.
    BOOL RegisterProfiles(const std::string& name, const IPrinterDriverInfo& drivers, const std::string& printerName,
                          const std::string& folder, int localOnly);
    void SetTemporaryProfile(const std::string& fileName, const std::string& subfolder);
    BOOL DeleteProfiles(const std::string& name, int kind);

    int ReadNumber(const std::string& key) const;
    BOOL WriteNumber(const std::string& key, int value);
    BOOL DeleteKey(const std::string& key);
    BOOL MarkUpdated();

    const std::string& GetSection() const { return section; }

private:
    std::string dataFilePattern;
    std::string kindName;
    std::string section;
};
