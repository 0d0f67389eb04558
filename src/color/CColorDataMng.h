// The colour-balance setting while the wizard runs: the stored, default and current values,
// the setting's data file, and its T and V tables and profiles in the driver's catalogue.
//
// Owner's order: SetUtilityInfo, LoadDefaultData, then UseDefaults (a default entry) or
// LoadStoredData (a user setting), then AcceptCurrent; edits go into GetCurrent().
#pragma once

#include <string>

#include "color/CCcmTables.h"
#include "color/CColorData.h"
#include "storage/CDataMngBase.h"

class CColorDataMng : public CDataMngBase {
public:
    CColorDataMng() : CDataMngBase(kindColor) {}

    void SetUtilityInfo(const CUtilityInfo& info) { AttachState(info); }

    // Raises IDS_ERR_MODULE_FAILED when the model's module library or its exports are missing.
    void LoadDefaultData();
    // The selected setting's data file into current, or the defaults when it cannot be read.
    void LoadStoredData();
    void UseDefaults() { m_current = m_default; }
    void AcceptCurrent() { m_stored = m_current; }
    void RevertToStored() { m_current = m_stored; }
    void SetCurrent(const CColorData& data) { m_current = data; }
    CColorData& GetCurrent() { return m_current; }
    const CColorData& GetDefault() const { return m_default; }
    const CColorData& GetStored() const { return m_stored; }
    int IsUnchanged() const { return m_current.IsEqual(m_stored); }

    void SaveColorData(const std::string& name);
    int ReadCCM(const std::string& name, BYTE* tTable, BYTE* vTable) const
    {
        return ReadStoredTables(name, tTable, vTable);
    }
    // The tables of current through the module: from the source setting's tables when
    // userSettingSelected is set, from zeros otherwise.
    void ComputeTables(int userSettingSelected, const std::string& sourceName, CCcmTables& tables);
    // 1 when the tables reached both the driver catalogue and its local copy.
    int SaveCCM(const std::string& name, int userSettingSelected, const std::string& sourceName);
    // The tables in the driver catalogue only, for a test print.
    void WriteTemporaryCCM(const std::string& name, int userSettingSelected, const std::string& sourceName);
    void DeleteTemporaryCCM(const std::string& name) { RemoveTables(name, m_info.printMode == "EMF"); }
    void DeleteCCM(const std::string& name) { RemoveTablesEverywhere(name, m_info.printMode == "EMF"); }
    int RemoveSetting(const std::string& name) { return RemoveEntry(name); }

private:
    CColorData m_stored;
    CColorData m_default;
    CColorData m_current;
};
