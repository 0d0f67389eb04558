#include "storage/CCatalogKey.h"

#include <cctype>

namespace {

std::string Upper(const std::string& text)
{
    std::string result = text;
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool AllDigits(const std::string& text, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// "01C7.ICB" … "03G12.ICB" and "01TMP.ICB" … "03TMP.ICB", already in upper case.
bool IsProfileKey(const std::string& key)
{
    const std::string end = ".ICB";
    if (key.size() < 3 + end.size() || key[0] != '0' || key[1] < '1' || key[1] > '3') return false;
    if (key.compare(key.size() - end.size(), end.size(), end) != 0) return false;
    const std::string middle = key.substr(2, key.size() - 2 - end.size());
    if (middle == "TMP") return true;
    return !middle.empty() && (middle[0] == 'C' || middle[0] == 'G') && AllDigits(middle, 1, middle.size());
}

// The per-setting keys are a prefix and the setting's identifier.
bool IsSettingKey(const std::string& key)
{
    static const char* const prefixes[] = {"SETTINGID", "SETTINGNAME", "CCMNT", "CCMNV"};
    for (const char* prefix : prefixes) {
        const std::string start(prefix);
        if (StartsWith(key, start) && AllDigits(key, start.size(), key.size())) return true;
    }
    return key == "SETTINGNUM";
}

bool IsBlank(char c)
{
    return c == ' ' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7F;
}

}  // namespace

bool CCatalogKey::IsUsableName(const std::string& name)
{
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    if (name.front() == '[' || name.front() == ';' || name.find('=') != std::string::npos) return false;
    const std::string key = Upper(name);
    return !IsSettingKey(key) && !IsProfileKey(key);
}

bool CCatalogKey::SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && Upper(a) == Upper(b);
}

std::string CCatalogKey::FindStored(const CmyStringArray& names, const std::string& name)
{
    for (const std::string& entry : names) {
        if (SameName(entry, name)) return entry;
    }
    return std::string();
}
