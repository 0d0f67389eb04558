#include "storage/CCtrlMng.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <cstdlib>

#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"

namespace {

// Identifiers run from 0 to 59 for saved settings, 60 for a test-print entry; a section never
// lists more entries than that, so a larger "SettingNum" only comes from a broken file.
constexpr int highestId = CCtrlMng::maxSettings;
constexpr int maxEntries = CCtrlMng::maxSettings + 1;

const char settingNumKey[] = "SettingNum";
const char settingIdKey[] = "SettingID";
const char settingNameKey[] = "SettingName";

// Leading decimal digits as strtol reads them; empty or non-numeric text is 0.
int ToNumber(const std::string& text)
{
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Identifiers become parts of file names, so only the plain decimal form this class writes
// ("0" to "60", no sign, blanks or leading zeros) counts; anything else is not a setting.
bool IsValidId(const std::string& id)
{
    if (id.empty() || id.size() > 2 || (id.size() == 2 && id[0] == '0')) {
        return false;
    }
    for (char c : id) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return std::stoi(id) <= highestId;
}

std::string WithId(const std::string& pattern, const std::string& id)
{
    std::string result = pattern;
    size_t at = result.find("%s");
    if (at != std::string::npos) {
        result.replace(at, 2, id);
    }
    return result;
}

int CountIn(const CIniAcc& ini, const std::string& section)
{
    return std::clamp(ToNumber(ini.GetString(section, settingNumKey)), 0, maxEntries);
}

// Walks the listed settings of section in order, each identifier once, skipping entries that
// are missing or not identifiers. visit(index, id) returns true to stop.
template <typename Visit>
void ForEachSetting(const CIniAcc& ini, const std::string& section, Visit visit)
{
    std::bitset<highestId + 1> seen;
    int count = CountIn(ini, section);
    for (int i = 0; i < count; ++i) {
        std::string id = ini.GetString(section, settingIdKey + std::to_string(i));
        if (!IsValidId(id)) {
            continue;
        }
        int value = std::stoi(id);
        if (seen.test(static_cast<size_t>(value))) {
            continue;
        }
        seen.set(static_cast<size_t>(value));
        if (visit(i, id)) {
            return;
        }
    }
}

std::string FindId(const CIniAcc& ini, const std::string& section, const std::string& name)
{
    std::string found;
    ForEachSetting(ini, section, [&](int, const std::string& id) {
        if (ini.GetString(section, settingNameKey + id) == name) {
            found = id;
            return true;
        }
        return false;
    });
    return found;
}

// Smallest identifier from 0 to highest not yet listed in section. The listed identifiers
// are matched in comma-delimited form so that 1 is not taken for part of 11 or 21.
int FindFreeId(const CIniAcc& ini, const std::string& section, int highest)
{
    std::string listed = ",";
    ForEachSetting(ini, section, [&](int, const std::string& id) {
        listed += id + ",";
        return false;
    });
    for (int k = 0; k <= highest; ++k) {
        if (listed.find("," + std::to_string(k) + ",") == std::string::npos) {
            return k;
        }
    }
    return -1;
}

const char* ResolutionPrefix(int resolution)
{
    switch (resolution) {
    case 300: return "01";
    case 600: return "02";
    case 1200: return "03";
    default: return nullptr;
    }
}

}  // namespace

void CCtrlMng::SetFile(const std::string& catalogPath, int kind)
{
    SetPath(catalogPath);
    if (kind == 1) {
        section = kindName = "Color";
        dataFilePattern = "UCD%s.dat";
    } else if (kind == 2) {
        section = kindName = "Gamma";
        dataFilePattern = "UGD%s.dat";
    } else {
        section.clear();
        kindName.clear();
        dataFilePattern.clear();
    }
}

int CCtrlMng::GetSettingCount() const
{
    return CountIn(*this, section);
}

int CCtrlMng::GetTotalSettingCount() const
{
    return CountIn(*this, "Color") + CountIn(*this, "Gamma");
}

CmyStringArray CCtrlMng::GetSettingNames() const
{
    CmyStringArray names;
    ForEachSetting(*this, section, [&](int, const std::string& id) {
        names.Add(GetString(section, settingNameKey + id));
        return false;
    });
    return names;
}

std::vector<CCtrlMng::Entry> CCtrlMng::GetEntries() const
{
    std::vector<Entry> entries;
    ForEachSetting(*this, section, [&](int, const std::string& id) {
        entries.push_back({id, GetString(section, settingNameKey + id), WithId(dataFilePattern, id)});
        return false;
    });
    return entries;
}

std::string CCtrlMng::GetIdByName(const std::string& name) const
{
    return FindId(*this, section, name);
}

std::string CCtrlMng::GetIndexById(const std::string& id) const
{
    std::string index;
    if (!IsValidId(id)) {
        return index;
    }
    ForEachSetting(*this, section, [&](int i, const std::string& listed) {
        if (listed == id) {
            index = std::to_string(i);
            return true;
        }
        return false;
    });
    return index;
}

std::string CCtrlMng::GetNameById(const std::string& id) const
{
    return IsValidId(id) ? GetString(section, settingNameKey + id) : std::string();
}

std::string CCtrlMng::GetDataFileName(const std::string& name) const
{
    return GetDataFileNameById(GetIdByName(name));
}

std::string CCtrlMng::GetDataFileNameById(const std::string& id) const
{
    if (!IsValidId(id) || dataFilePattern.empty()) {
        return {};
    }
    return WithId(dataFilePattern, id);
}

std::string CCtrlMng::AddSetting(const std::string& name)
{
    if (GetTotalSettingCount() >= maxSettings) {
        throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
    }
    int id = FindFreeId(*this, section, maxSettings - 1);
    if (id < 0) {
        throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
    }
    if (!AppendSetting(name, id)) {
        return {};
    }
    return WithId(dataFilePattern, std::to_string(id));
}

void CCtrlMng::AddTestSetting(const std::string& name)
{
    int id = FindFreeId(*this, section, highestId);
    if (id >= 0) {
        AppendSetting(name, id);
    }
}

BOOL CCtrlMng::AppendSetting(const std::string& name, int id)
{
    int count = GetSettingCount();
    if (section.empty() || id < 0 || id > highestId || count >= maxEntries) {
        return FALSE;
    }
    std::string idText = std::to_string(id);
    if (!WriteString(section, (settingIdKey + std::to_string(count)).c_str(), idText.c_str())) {
        return FALSE;
    }
    if (!WriteString(section, (settingNameKey + idText).c_str(), name.c_str())) {
        return FALSE;
    }
    return WriteString(section, settingNumKey, std::to_string(count + 1).c_str());
}

BOOL CCtrlMng::AppendSettings(const std::vector<std::pair<std::string, int>>& settings)
{
    int count = GetSettingCount();
    if (section.empty() || count + static_cast<int>(settings.size()) > maxEntries) {
        return FALSE;
    }
    for (const auto& [name, id] : settings) {
        if (id < 0 || id > highestId) {
            return FALSE;
        }
        std::string idText = std::to_string(id);
        if (!WriteString(section, (settingIdKey + std::to_string(count)).c_str(), idText.c_str()) ||
            !WriteString(section, (settingNameKey + idText).c_str(), name.c_str())) {
            return FALSE;
        }
        ++count;
    }
    return settings.empty() || WriteString(section, settingNumKey, std::to_string(count).c_str());
}

BOOL CCtrlMng::DeleteSetting(const std::string& name)
{
    return DeleteSettingById(GetIdByName(name));
}

BOOL CCtrlMng::DeleteSettingById(const std::string& id)
{
    const std::string indexText = GetIndexById(id);
    if (indexText.empty()) {
        return FALSE;
    }
    if (!WriteString(section, (settingNameKey + id).c_str(), nullptr)) {
        return FALSE;
    }
    int index = ToNumber(indexText);
    int count = GetSettingCount();
    // Each later entry moves down one place; overwriting in place keeps the section's order
    // and leaves no entry missing if a write fails half way.
    for (int k = index; k + 1 < count; ++k) {
        std::string next = GetString(section, settingIdKey + std::to_string(k + 1));
        std::string key = settingIdKey + std::to_string(k);
        if (!WriteString(section, key.c_str(), next.empty() ? nullptr : next.c_str())) {
            return FALSE;
        }
    }
    if (!WriteString(section, (settingIdKey + std::to_string(count - 1)).c_str(), nullptr)) {
        return FALSE;
    }
    return WriteString(section, settingNumKey, std::to_string(count - 1).c_str());
}

void CCtrlMng::RemoveLastSetting(const std::string& name)
{
    // The entry is normally the last one, so nothing moves; should an entry follow it after
    // all, closing the gap keeps that entry listed.
    DeleteSetting(name);
}

void CCtrlMng::GetTables(const std::string& name, std::string& tText, std::string& vText) const
{
    std::string id = GetIdByName(name);
    tText = id.empty() ? std::string() : GetString(section, "CCMNT" + id);
    vText = id.empty() ? std::string() : GetString(section, "CCMNV" + id);
}

void CCtrlMng::GetTablesById(const std::string& id, std::string& tText, std::string& vText) const
{
    const bool valid = IsValidId(id);
    tText = valid ? GetString(section, "CCMNT" + id) : std::string();
    vText = valid ? GetString(section, "CCMNV" + id) : std::string();
}

BOOL CCtrlMng::SetTables(const std::string& name, const std::string& tText, const std::string& vText)
{
    return SetTablesById(GetIdByName(name), tText, vText);
}

BOOL CCtrlMng::SetTablesById(const std::string& id, const std::string& tText, const std::string& vText)
{
    if (!IsValidId(id)) {
        return FALSE;
    }
    BOOL tWritten = WriteString(section, ("CCMNT" + id).c_str(), tText.c_str());
    BOOL vWritten = WriteString(section, ("CCMNV" + id).c_str(), vText.c_str());
    return (tWritten && vWritten) ? TRUE : FALSE;
}

BOOL CCtrlMng::DeleteTables(const std::string& name)
{
    std::string id = GetIdByName(name);
    if (id.empty()) {
        return TRUE;
    }
    BOOL tDeleted = WriteString(section, ("CCMNT" + id).c_str(), nullptr);
    BOOL vDeleted = WriteString(section, ("CCMNV" + id).c_str(), nullptr);
    return (tDeleted && vDeleted) ? TRUE : FALSE;
}

std::string CCtrlMng::GetProfileFileName(const std::string& kindWord, int resolution,
                                         const std::string& name) const
{
    const char* prefix = ResolutionPrefix(resolution);
    if (prefix == nullptr) {
        return {};
    }
    if (kindWord == "Temporary") {
        return std::string(prefix) + "TMP.ICB";
    }
    if (kindWord != "Color" && kindWord != "Gamma") {
        return {};
    }
    // The identifier comes from the section of that kind, whichever kind this object was
    // opened with; a setting without one has no profile files.
    std::string id = name.empty() ? std::string() : FindId(*this, kindWord, name);
    if (id.empty()) {
        return {};
    }
    return std::string(prefix) + (kindWord == "Color" ? "C" : "G") + id + ".ICB";
}

BOOL CCtrlMng::RegisterProfiles(const std::string& name, const IPrinterDriverInfo& drivers,
                                const std::string& printerName, const std::string& folder, int localOnly)
{
    static constexpr int resolutions[] = {300, 600, 1200};
    std::string fileNames[3];
    for (int r = 0; r < 3; ++r) {
        fileNames[r] = GetProfileFileName(section, resolutions[r], name);
        if (fileNames[r].empty()) {
            return TRUE;
        }
    }

    const IPrinterDriverInfo::Driver driver = drivers.Find(printerName);
    const std::string& driverFolder = driver.folder;
    if (driverFolder.empty()) {
        // Without the printer's driver there is no folder the profiles could be in.
        return TRUE;
    }
    const DWORD version = driver.version;
    bool network = driver.networkAllowed && (version == 2 || (version == 3 && localOnly == 0));

    std::string base = network ? CFileAcc().MakeSharePath(driverFolder, folder, 1) : driverFolder + folder;
    BOOL written = TRUE;
    for (const std::string& fileName : fileNames) {
        if (!WriteString(section, fileName.c_str(), CFileAcc::JoinPath(fileName, base).c_str())) written = FALSE;
    }
    return written;
}

void CCtrlMng::SetTemporaryProfile(const std::string& fileName, const std::string& subfolder)
{
    WriteString("Temporary", "ICCData", CFileAcc().GetDataPath(fileName, subfolder).c_str());
}

BOOL CCtrlMng::DeleteProfiles(const std::string& name, int kind)
{
    BOOL deleted = TRUE;
    if (kind == 0) {
        for (int resolution : {300, 600, 1200}) {
            std::string fileName = GetProfileFileName(section, resolution, name);
            if (!fileName.empty() && !WriteString(section, fileName.c_str(), nullptr)) deleted = FALSE;
        }
    } else if (kind == 108) {
        deleted = WriteString("Temporary", "ICCData", nullptr);
    }
    return deleted;
}

int CCtrlMng::ReadNumber(const std::string& key) const
{
    return ToNumber(GetString(section, key));
}

BOOL CCtrlMng::WriteNumber(const std::string& key, int value)
{
    return WriteString(section, key.c_str(), std::to_string(value).c_str());
}

BOOL CCtrlMng::DeleteKey(const std::string& key)
{
    return WriteString(section, key.c_str(), nullptr);
}

BOOL CCtrlMng::MarkUpdated()
{
    return WriteString("Config", "UpDate", "1");
}
