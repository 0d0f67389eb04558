#include "RegistryHive.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "IniDocument.h"
#include "TextUtil.h"

namespace {

struct Root {
    const char* name;
    const char* shortName;
};
const Root kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_USERS", "HKU"},
};

}  // namespace

RegistryHive RegistryHive::FromDescription()
{
    RegistryHive hive;
    const char* file = std::getenv("TAVREL_MACHINE");
    if (!file || !*file) return hive;
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    hive.Parse(text.str());
    return hive;
}

void RegistryHive::Parse(const std::string& descriptionText)
{
    m_values.clear();
    IniDocument doc;
    doc.Parse(descriptionText);
    for (const IniDocument::Section& section : doc.AllSections()) {
        const bool expandable = TextUtil::EqualNoCase(section.name, "RegistryExpand");
        if (!expandable && !TextUtil::EqualNoCase(section.name, "Registry")) continue;
        for (const IniDocument::Entry& entry : section.entries) {
            // "<key path>" names the default value, "<key path>|<name>" a named one.
            std::string path = entry.key;
            std::string name;
            size_t bar = path.find('|');
            if (bar != std::string::npos) {
                name = TextUtil::Trim(path.substr(bar + 1));
                path = path.substr(0, bar);
            }
            std::string key = Canonical(TextUtil::Trim(path));
            if (key.empty()) continue;
            m_values.push_back({key, name, entry.value.value_or(""), expandable ? 2u : 1u});
        }
    }
}

std::string RegistryHive::Canonical(const std::string& keyPath)
{
    std::vector<std::string> parts;
    for (const std::string& part : TextUtil::Split(keyPath, '\\'))
        if (!part.empty()) parts.push_back(part);
    if (parts.empty()) return {};
    std::string out;
    for (const Root& root : kRoots) {
        if (TextUtil::EqualNoCase(parts[0], root.name) || TextUtil::EqualNoCase(parts[0], root.shortName)) out = root.name;
    }
    if (out.empty()) return {};
    for (size_t i = 1; i < parts.size(); ++i) out += "\\" + parts[i];
    return out;
}

bool RegistryHive::KeyExists(const std::string& canonicalKey) const
{
    for (const Value& v : m_values) {
        if (v.key.size() < canonicalKey.size()) continue;
        if (!TextUtil::EqualNoCase(std::string_view(v.key).substr(0, canonicalKey.size()), canonicalKey)) continue;
        if (v.key.size() == canonicalKey.size() || v.key[canonicalKey.size()] == '\\') return true;
    }
    // The roots themselves always exist.
    return canonicalKey.find('\\') == std::string::npos && !canonicalKey.empty();
}

std::vector<RegistryHive::Value> RegistryHive::ValuesOf(const std::string& canonicalKey) const
{
    std::vector<Value> values;
    for (const Value& v : m_values)
        if (TextUtil::EqualNoCase(v.key, canonicalKey)) values.push_back(v);
    return values;
}
