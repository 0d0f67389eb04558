#include "storage/CCatalogKey.h"

#include <array>
#include <cctype>

#include "platform/win32api.h"

namespace {

// Each byte of the ANSI code page in upper case, as the system's own case mapping gives it:
// "é" and "É" are one letter, as they are in the profile files' keys. A letter whose upper
// case the code page lacks (µ) would come back as another character; it keeps its own byte.
std::array<char, 256> MakeUpperTable()
{
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        char upper[2] = {static_cast<char>(byte), '\0'};
        char lower[2] = {static_cast<char>(byte), '\0'};
        CharUpperBuffA(upper, 1);
        CharLowerBuffA(lower, 1);
        char again[2] = {upper[0], '\0'};
        CharLowerBuffA(again, 1);
        table[static_cast<size_t>(byte)] = again[0] == lower[0] ? upper[0] : static_cast<char>(byte);
    }
    return table;
}

std::string Upper(const std::string& text)
{
    static const std::array<char, 256> table = MakeUpperTable();
    std::string result = text;
    for (char& c : result) c = table[static_cast<unsigned char>(c)];
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

bool CCatalogKey::ReadsBackChanged(const std::string& name)
{
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return true;
    // A line break ends the value (the other control characters go with it: no one types
    // them into a name), and a value wrapped in a pair of quotes is read without them.
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return true;
    }
    return name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front();
}

bool CCatalogKey::IsUsableName(const std::string& name)
{
    if (ReadsBackChanged(name)) return false;
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
