#include "storage/CIniUtility.h"

namespace {

const char defaultSettingPrefix[] = "DefaultSettingVer";
const char versionPrefix[] = "CCMVer";
const char sharedDefaultSection[] = "StringSet1";

}  // namespace

CIniUtility::CIniUtility()
{
    SetPath("Tavrel.ini", "\\Tintora\\");
}

std::string CIniUtility::Get(const std::string& section, const std::string& key) const
{
    return GetString(section, key);
}

CmyStringArray CIniUtility::GetSectionKeys(const std::string& section) const
{
    return GetKeys(section);
}

std::string CIniUtility::GetVersionValue(const std::string& version, const std::string& key) const
{
    return GetString(versionPrefix + version, key);
}

CmyStringArray CIniUtility::GetDefaultSettingKeys(const std::string& version) const
{
    return GetKeys(defaultSettingPrefix + version);
}

CmyStringArray CIniUtility::GetDefaultSettingNames(const std::string& version) const
{
    CmyStringArray names = GetDefaultSettingKeys(version);
    if (names.IsEmpty()) {
        names = GetKeys(SharedSection(version));
    }
    return names;
}

std::string CIniUtility::GetDefaultSettingValue(const std::string& version, const std::string& name) const
{
    std::string value = GetString(defaultSettingPrefix + version, name);
    if (!value.empty()) {
        return value;
    }
    return GetString(SharedSection(version), name);
}

// The section holding the default settings that several versions share.
std::string CIniUtility::SharedSection(const std::string& version) const
{
    std::string share = GetVersionValue(version, "DefaultSettingVerShare");
    return share.empty() ? std::string(sharedDefaultSection) : share;
}
