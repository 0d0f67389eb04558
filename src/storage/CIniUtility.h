// The utility's own INI file "Tavrel.ini", found under "\Tintora\" in the current directory.
#pragma once

#include "storage/CIniAcc.h"

class CIniUtility : public CIniAcc {
public:
    CIniUtility();

    std::string Get(const std::string& section, const std::string& key) const;
    CmyStringArray GetSectionKeys(const std::string& section) const;
    // Value of key in section "CCMVer" + version.
    std::string GetVersionValue(const std::string& version, const std::string& key) const;
    // Key names of "DefaultSettingVer" + version only.
    CmyStringArray GetDefaultSettingKeys(const std::string& version) const;
    // Default setting names with the fallback to the shared section ("StringSet1" by default).
    CmyStringArray GetDefaultSettingNames(const std::string& version) const;
    std::string GetDefaultSettingValue(const std::string& version, const std::string& name) const;

private:
    std::string SharedSection(const std::string& version) const;
};
