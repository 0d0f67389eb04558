// The gamma setting while the wizard runs: the stored and current values, the setting's data
// file, its module mode, and its T and V tables and profiles in the driver's catalogue.
#pragma once

#include <string>

#include "color/CCcmTables.h"
#include "gamma/CGammaData.h"
#include "storage/CDataMngBase.h"

class CGammaDataMng : public CDataMngBase {
public:
    CGammaDataMng();
    ~CGammaDataMng() override = default;

    void SetDriver(const CUtilityInfo& info) { AttachState(info); }

    // The setting's data file into current; stored into current when it cannot be read.
    void LoadSetting(const std::string& name);
    // current from the module defaults of the name's default-setting mode. Raises 557.
    void LoadDefaultSetting(const std::string& name);

    int ReadTables(const std::string& name, BYTE* tTable, BYTE* vTable) const
    {
        return ReadStoredTables(name, tTable, vTable);
    }
    // The tables of current through the core module: with the source setting's mode and tables
    // when userSettingSelected is 1, else with the default setting's mode and zeros. Returns
    // the mode, which the save records under the name. Raises IDS_ERR_SETTING_NOT_STORED for a
    // table size of 0.
    int ComputeTables(int userSettingSelected, const std::string& sourceName, CCcmTables& tables);
    // Stores current as the setting name, with its data file, mode, tables and profiles, all
    // or nothing: 1, or raises the failure's message with nothing changed.
    int SaveSetting(const std::string& name, int userSettingSelected, const std::string& sourceName);
    // The tables in the driver catalogue only, for a test print.
    void SaveTemporarySetting(const std::string& name, int userSettingSelected, const std::string& sourceName);
    void DeleteSetting(const std::string& name) { RemoveTables(name, ModelPrintMode() == "EMF"); }
    // The whole setting everywhere, all or nothing (see RemoveWholeSetting).
    void DeleteSettingEverywhere(const std::string& name) { RemoveWholeSetting(name, ModelPrintMode() == "EMF"); }

    int GetSettingMode(const std::string& name) const { return m_catalog.ReadNumber(name); }
    std::string GetDefaultSettingValue(const std::string& version, const std::string& name) const;

    void CommitCurrent() { m_stored = m_current; }
    void RevertCurrent() { m_current = m_stored; }
    const CGammaData& GetStored() const { return m_stored; }
    CGammaData& GetCurrent() { return m_current; }
    int IsUnchanged() const { return m_current.IsEqual(m_stored); }
    void SetGamma(double gamma) { m_current.SetGamma(gamma); }
    void SetHue(const int hues[CGammaData::zoneCount], const int fromPrinter[CGammaData::zoneCount])
    {
        m_current.SetHue(hues, fromPrinter);
    }
    void SetLevel(const int levels[CGammaData::zoneCount]) { m_current.SetLevel(levels); }

private:
    CGammaData m_stored;
    CGammaData m_current;
};
