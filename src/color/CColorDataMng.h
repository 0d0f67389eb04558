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
    CColorDataMng();

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

    int ReadCCM(const std::string& name, BYTE* tTable, BYTE* vTable) const
    {
        return ReadStoredTables(name, tTable, vTable);
    }
    // The tables of current through the module: from the source setting's tables when
    // userSettingSelected is set, from zeros otherwise. Raises IDS_ERR_SETTING_NOT_STORED when
    // the module gives no table.
    void ComputeTables(int userSettingSelected, const std::string& sourceName, CCcmTables& tables);
    // Stores current as the setting name, with its data file, tables and profiles, all or
    // nothing: 1, or raises the failure's message with nothing changed.
    int SaveCCM(const std::string& name, int userSettingSelected, const std::string& sourceName);
    // The tables in the driver catalogue only, for a test print.
    void WriteTemporaryCCM(const std::string& name, int userSettingSelected, const std::string& sourceName);
    void DeleteTemporaryCCM(const std::string& name) { RemoveTables(name, m_info.printMode == "EMF"); }
    // The whole setting everywhere, all or nothing (see RemoveWholeSetting).
    void DeleteCCM(const std::string& name) { RemoveWholeSetting(name, m_info.printMode == "EMF"); }
    int RemoveSetting(const std::string& name) { return RemoveWholeSetting(name, m_info.printMode == "EMF"); }

private:
    CColorData m_stored;
    CColorData m_default;
    CColorData m_current;
};
