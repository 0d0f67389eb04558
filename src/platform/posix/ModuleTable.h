// Libraries loaded through LoadLibraryA: the host handle and the Windows path each was
// found under, with a reference count as Windows keeps one per module.
#pragma once

#include <map>
#include <string>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class ModuleTable {
public:
    // Loads (or references again) a host shared object; null with dlerror text on failure.
    void* Load(const std::string& hostPath, const std::string& windowsPath);
    bool Free(void* module);
    bool Contains(void* module) const { return m_modules.count(module) != 0; }
    const std::string* WindowsPath(void* module) const;
    // The module whose Windows path ends in that file name (case-insensitive), or null.
    void* FindByFileName(const std::string& fileName) const;

private:
    struct Entry {
        std::string windowsPath;
        int references = 0;
    };
    std::map<void*, Entry> m_modules;
};

#pragma GCC visibility pop
