// The registry of the simulated machine: string values from the [Registry] sections of the
// machine description (expandable ones from [RegistryExpand]), read afresh each time a key is opened (see MachineDescription.md).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class RegistryHive {
public:
    struct Value {
        std::string key;   // full key path, root spelled out: "HKEY_CLASSES_ROOT\CLSID\..."
        std::string name;  // "" for the key's default value
        std::string data;
        uint32_t type = 1;  // REG_SZ; 2 (REG_EXPAND_SZ) for the [RegistryExpand] sections
    };

    // The description file named by TAVREL_MACHINE; an empty registry when there is none.
    static RegistryHive FromDescription();
    void Parse(const std::string& descriptionText);

    // "HKCR\a\\b\" -> "HKEY_CLASSES_ROOT\a\b"; empty when the root is unknown.
    static std::string Canonical(const std::string& keyPath);
    // A key exists when a value is stored in it or in a key below it.
    bool KeyExists(const std::string& canonicalKey) const;
    std::vector<Value> ValuesOf(const std::string& canonicalKey) const;

private:
    std::vector<Value> m_values;
};

#pragma GCC visibility pop
