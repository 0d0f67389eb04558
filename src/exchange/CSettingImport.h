// Reads settings from a setting file (see CSettingExport) into the driver's catalogue, from a
// private copy of it (CSettingFileCopy). Every check comes first, so a damaged or hostile file
// changes nothing stored.
#pragma once

#include <string>
#include <vector>

#include "exchange/CSettingFileCopy.h"
#include "exchange/IExchangeUser.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"
#include "storage/IProfileBuilder.h"

class CSettingImport {
public:
    // info names the driver (catalogue, data folder, printer, print mode); both are kept by
    // reference.
    CSettingImport(const CUtilityInfo& info, IExchangeUser& user) : m_info(info), m_user(user) {}

    // For "EMF" models: with a builder the profiles of each imported setting are built from its
    // imported T table and the setting file's profile files are not read; without one (the
    // wizard) they are copied from the setting file. The builder is not owned.
    void SetProfileBuilder(IProfileBuilder* builder) { m_builder = builder; }

    // 0 when nothing would stop an import of the names (kinds 1 colour, 2 gamma, one per name)
    // from settingFile; else the id of the message that says why.
    static UINT Check(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile);

    // Imports the named settings from the checked copy of a setting file, all or none; the
    // number imported. A stored setting of the same kind and name is replaced only when the
    // user confirms. Everything that can refuse the whole import is checked before anything
    // is asked or said: raises CmyException with the check's message for a copy that fails
    // Check, IDS_ERR_CATALOG_FULL when the catalogue has no room for the new settings, or the
    // message of a failed write; nothing is changed then. The copy is removed before the
    // settings are stored; files the import went without are told after it is done.
    int Import(const CmyStringArray& names, const std::vector<int>& kinds, CSettingFileCopy& copy);

private:
    // The data files of the named settings, for a catalogue that passed its check.
    static UINT CheckDataFiles(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile);

    const CUtilityInfo& m_info;
    IExchangeUser& m_user;
    IProfileBuilder* m_builder = nullptr;
};
