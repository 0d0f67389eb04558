#include "ModuleTable.h"

#include <dlfcn.h>

#include "TextUtil.h"

void* ModuleTable::Load(const std::string& hostPath, const std::string& windowsPath)
{
    void* handle = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    Entry& entry = m_modules[handle];
    if (entry.references == 0) entry.windowsPath = windowsPath;
    ++entry.references;
    return handle;
}

bool ModuleTable::Free(void* module)
{
    auto it = m_modules.find(module);
    if (it == m_modules.end()) return false;
    dlclose(module);
    if (--it->second.references == 0) m_modules.erase(it);
    return true;
}

const std::string* ModuleTable::WindowsPath(void* module) const
{
    auto it = m_modules.find(module);
    return it == m_modules.end() ? nullptr : &it->second.windowsPath;
}

void* ModuleTable::FindByFileName(const std::string& fileName) const
{
    for (const auto& [module, entry] : m_modules) {
        const size_t slash = entry.windowsPath.rfind('\\');
        const std::string name = slash == std::string::npos ? entry.windowsPath : entry.windowsPath.substr(slash + 1);
        if (TextUtil::EqualNoCase(name, fileName)) return module;
    }
    return nullptr;
}
