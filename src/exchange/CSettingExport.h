// Writes stored settings of the driver into a new setting file. A setting file DIR\BASE\FILE
// (FILE ends in ".ccm") is a catalogue of the driver catalogue's format in a folder of its own,
// next to copies of the settings' data files and, for "EMF" models, their profile files, all
// named by the identifiers of the setting file.
#pragma once

#include <string>
#include <vector>

#include "exchange/IExchangeUser.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"

class CSettingExport {
public:
    // info names the driver (catalogue, data folder, print mode); both are kept by reference.
    CSettingExport(const CUtilityInfo& info, IExchangeUser& user) : m_info(info), m_user(user) {}

    // ".ccm_" loses its underscore; a path not ending in ".ccm" (any case) gets ".ccm".
    static std::string NormalizeExtension(const std::string& path);
    // DIR\BASE for the setting file path DIR\FILE: the folder the export makes.
    static std::string SettingFolderOf(const std::string& path);

    // Writes the named settings (kinds 1 colour, 2 gamma, one per name) into a new setting
    // file at path. FALSE when nothing was written (the setting folder exists or cannot be
    // made); single files that cannot be copied are reported and skipped.
    BOOL Export(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& path);

private:
    // Copies a file into the setting folder, asking before it replaces one; TRUE on success.
    BOOL CopyForExport(const std::string& source, const std::string& target);

    const CUtilityInfo& m_info;
    IExchangeUser& m_user;
};
