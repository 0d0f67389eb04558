#include "exchange/CSettingFileCheck.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "color/CColorData.h"
#include "framework/CFile.h"
#include "gamma/CGammaData.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "storage/CTableText.h"

namespace {

constexpr DWORD colorDataSize = 336;
constexpr DWORD gammaDataSize = 96;
const char* const kSections[] = {"Color", "Gamma"};

// Size of a regular file; false when it is missing or a folder.
bool FileSize(const std::string& path, DWORD& size)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    try {
        const uint64_t length = file.GetLength();
        file.Close();
        if (length > 0xFFFFFFFFull) return false;
        size = static_cast<DWORD>(length);
        return true;
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
}

// A name read from a setting file that is safe but for a pair of quotes around it: stored, it
// would read back without them and so name another setting.
bool IsQuotedSafeName(const std::string& name)
{
    return name.size() > 2 && CCatalogKey::ReadsBackChanged(name) &&
           CSettingFileCheck::IsSafeName(name.substr(1, name.size() - 2));
}

// Checks one section; adds its setting count to total. 0 or the id of the message to show,
// with its argument.
UINT CheckSection(const CIniAcc& ini, const char* section, int& total, std::string& argument)
{
    const std::string countText = ini.GetString(section, "SettingNum");
    if (!countText.empty() && !CSettingFileCheck::IsPlainNumber(countText, 2)) return IDS_ERR_FILE_ACCESS;
    const int count = countText.empty() ? 0 : std::atoi(countText.c_str());
    total += count;
    if (count > CCtrlMng::maxSettings || total > CCtrlMng::maxSettings) return IDS_ERR_FILE_ACCESS;

    std::set<std::string> ids;
    CmyStringArray names;
    for (int i = 0; i < count; ++i) {
        const std::string id = ini.GetString(section, "SettingID" + std::to_string(i));
        if (!CSettingFileCheck::IsPlainNumber(id, 2) || std::atoi(id.c_str()) >= CCtrlMng::maxSettings) {
            return IDS_ERR_FILE_ACCESS;
        }
        if (!ids.insert(id).second) return IDS_ERR_FILE_ACCESS;
        const std::string name = ini.GetString(section, "SettingName" + id);
        if (IsQuotedSafeName(name)) {
            argument = name;
            return IDS_ERR_NAME_OF_DEFAULT_SETTING;
        }
        // Two names that differ only in case would share one catalogue key.
        if (!CSettingFileCheck::IsSafeName(name) || !CCatalogKey::FindStored(names, name).empty()) {
            return IDS_ERR_FILE_ACCESS;
        }
        names.Add(name);
        if (!CSettingFileCheck::AreTablesReadable(ini.GetString(section, "CCMNT" + id),
                                                  ini.GetString(section, "CCMNV" + id))) {
            return IDS_ERR_FILE_ACCESS;
        }
        if (std::string(section) == "Gamma") {
            const std::string mode = ini.GetString(section, name);
            if (!mode.empty() && !CSettingFileCheck::IsPlainNumber(mode, 9)) return IDS_ERR_FILE_ACCESS;
        }
    }
    return 0;
}

}  // namespace

bool CSettingFileCheck::IsPlainNumber(const std::string& text, size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits) return false;
    if (text.size() > 1 && text[0] == '0') return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool CSettingFileCheck::IsSafeName(const std::string& name)
{
    if (name.size() > maxNameLength || !CCatalogKey::IsUsableName(name)) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    // Path characters, and what would break the name as a catalogue key or value.
    static const std::string forbidden = "\\/:*?\"<>|=[];";
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return false;
        if (forbidden.find(static_cast<char>(c)) != std::string::npos) return false;
    }
    return name.find("..") == std::string::npos;
}

bool CSettingFileCheck::AreTablesReadable(const std::string& tText, const std::string& vText)
{
    if (tText.empty() || tText.size() > 2 * maxTableBytes || vText.size() > 2 * maxTableBytes) return false;
    std::vector<BYTE> t, v;
    return CTableText::Decode(tText, t) && CTableText::Decode(vText, v) && v.size() >= t.size();
}

bool CSettingFileCheck::AreTablesOfSize(const std::string& tText, const std::string& vText, int size)
{
    // Two characters a byte; the digits themselves are checked when the text is decoded.
    const size_t length = 2 * static_cast<size_t>(size);
    std::vector<BYTE> t, v;
    return size > 0 && tText.size() == length && vText.size() == length && CTableText::Decode(tText, t) &&
           CTableText::Decode(vText, v);
}

UINT CSettingFileCheck::CheckTableSizes(const std::string& settingFile, const CmyStringArray& names,
                                        const std::vector<int>& kinds, const std::function<int(int kind)>& sizeOfKind)
{
    int sizes[3] = {-1, -1, -1};  // by kind, asked once
    for (int i = 0; i < names.GetSize() && static_cast<size_t>(i) < kinds.size(); ++i) {
        const int kind = kinds[static_cast<size_t>(i)];
        if (kind < 1 || kind > 2) return IDS_ERR_FILE_ACCESS;
        if (sizes[kind] < 0) sizes[kind] = sizeOfKind(kind);
        CCtrlMng catalog;
        catalog.SetFile(settingFile, kind);
        std::string tText, vText;
        catalog.GetTables(names[i], tText, vText);
        if (!AreTablesOfSize(tText, vText, sizes[kind])) return IDS_ERR_FILE_ACCESS;
    }
    return 0;
}

UINT CSettingFileCheck::CheckCatalog(const std::string& settingFile, std::string* argument)
{
    // The size bound keeps every later read of the file small.
    DWORD size = 0;
    if (!FileSize(settingFile, size) || size > maxFileSize) return IDS_ERR_FILE_ACCESS;
    const CIniAcc ini(settingFile);
    int total = 0;
    std::string name;
    for (const char* section : kSections) {
        if (const UINT problem = CheckSection(ini, section, total, name)) {
            if (argument) *argument = name;
            return problem;
        }
    }
    return 0;
}

UINT CSettingFileCheck::CheckDataFile(const std::string& settingFile, const std::string& name, int kind)
{
    CCtrlMng catalog;
    catalog.SetFile(settingFile, kind);
    return CheckDataFileNamed(settingFile, catalog.GetDataFileName(name), name, kind);
}

UINT CSettingFileCheck::CheckDataFileNamed(const std::string& settingFile, const std::string& fileName,
                                           const std::string& name, int kind)
{
    if (fileName.empty()) return IDS_ERR_FILE_ACCESS;
    const std::string path = CFileAcc::GetFolderPart(settingFile) + fileName;
    DWORD size = 0;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return 0;
    if (!FileSize(path, size) || size != (kind == 1 ? colorDataSize : gammaDataSize)) return IDS_ERR_FILE_ACCESS;
    CFileAcc files;
    const CRuntimeClass* expected = kind == 1 ? RUNTIME_CLASS(CColorData) : RUNTIME_CLASS(CGammaData);
    try {
        // Read quietly: the caller shows one message for the whole setting file.
        std::unique_ptr<CObject> object(files.ReadObject(path, expected, name));
        return object ? 0 : IDS_ERR_FILE_ACCESS;
    } catch (const CmyException&) {
        return IDS_ERR_FILE_ACCESS;
    }
}
