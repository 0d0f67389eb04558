// The setting catalogue in the driver's CCM information file: one section per kind
// ("Color" or "Gamma") listing settings by identifier, with their tables and profile paths.
#pragma once

#include <string>

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

    std::string AddSetting(const std::string& name);   // throws CmyException IDS_ERR_CATALOG_FULL at the limit
    void AddTestSetting(const std::string& name);
    BOOL AppendSetting(const std::string& name, int id);
    BOOL DeleteSetting(const std::string& name);
    void RemoveLastSetting(const std::string& name);

    void GetTables(const std::string& name, std::string& tText, std::string& vText) const;
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
