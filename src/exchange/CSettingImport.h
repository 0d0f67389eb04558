// Reads settings from a setting file (see CSettingExport) into the driver's catalogue. Every
// check of the setting file comes first, so a damaged or hostile file changes nothing stored.
#pragma once

#include <string>
#include <vector>

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

    // Imports the named settings; the number imported. A stored setting of the same kind and
    // name is replaced only when the user confirms. Raises CmyException with the check's
    // message for a file that fails Check (nothing changed), and IDS_ERR_CATALOG_FULL when the
    // catalogue is full (the settings imported before stay).
    int Import(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile);

private:
    // Copies the profile files of the setting file's sourceName to the stored setting name;
    // reports each failure.
    void CopyProfiles(const std::string& folder, const std::string& sourceName, const std::string& name, int kind,
                      const std::string& settingFile);
    // Builds the profiles of the stored setting name from the T table text. Raises
    // CmyException when the builder fails.
    void BuildProfiles(const std::string& name, int kind, const std::string& tText);
    // Marks the driver catalogue as changed and refreshes its copy in the per-driver folder.
    void KeepLocalCopy();

    const CUtilityInfo& m_info;
    IExchangeUser& m_user;
    IProfileBuilder* m_builder = nullptr;
};
