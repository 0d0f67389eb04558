#include "ModuleResources.h"

#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <string>
#include <vector>

#include "TextUtil.h"

namespace {

const char kSectionSymbol[] = "TavrelResourceSection";
const char kSizeSymbol[] = "TavrelResourceSectionSize";

std::vector<std::string> LoadedFiles()
{
    std::vector<std::string> files;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name && *info->dlpi_name)
                static_cast<std::vector<std::string>*>(data)->push_back(info->dlpi_name);
            return 0;
        },
        &files);
    return files;
}

// The handle of a loaded file without loading it again (the reference taken is given back;
// the handle stays valid while the file is loaded).
void* HandleOf(const std::string& file)
{
    void* handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle;
}

// The symbol, if the module itself defines it (dlsym also searches its dependencies).
void* OwnSymbol(void* module, const char* name)
{
    void* symbol = dlsym(module, name);
    if (!symbol) return nullptr;
    link_map* own = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &own) != 0 || !own) return nullptr;
    Dl_info info;
    void* holder = nullptr;
    if (!dladdr1(symbol, &info, &holder, RTLD_DL_LINKMAP)) return nullptr;
    return static_cast<link_map*>(holder) == own ? symbol : nullptr;
}

}  // namespace

void* ModuleResources::MainProgram()
{
    static void* const main = [] {
        void* handle = dlopen(nullptr, RTLD_LAZY);
        return handle;
    }();
    return main;
}

bool ModuleResources::IsLoaded(void* module, const ModuleTable& modules)
{
    if (!module) return false;
    if (module == MainProgram() || modules.Contains(module)) return true;
    for (const std::string& file : LoadedFiles())
        if (HandleOf(file) == module) return true;
    return false;
}

void* ModuleResources::FindLoaded(const std::string& fileName)
{
    for (const std::string& file : LoadedFiles()) {
        const size_t slash = file.rfind('/');
        if (TextUtil::EqualNoCase(file.substr(slash == std::string::npos ? 0 : slash + 1), fileName))
            if (void* handle = HandleOf(file)) return handle;
    }
    return nullptr;
}

bool ModuleResources::Section(void* module, const ModuleTable& modules, ResourceSection& out, uint32_t& error)
{
    if (!module) module = MainProgram();
    if (!IsLoaded(module, modules)) {
        error = ERROR_MOD_NOT_FOUND;
        return false;
    }
    const auto* bytes = static_cast<const uint8_t*>(OwnSymbol(module, kSectionSymbol));
    const auto* size = static_cast<const size_t*>(OwnSymbol(module, kSizeSymbol));
    if (!bytes || !size) {
        error = ERROR_RESOURCE_DATA_NOT_FOUND;
        return false;
    }
    out = ResourceSection(bytes, *size);
    return true;
}

void* ModuleResources::Holding(const void* address)
{
    Dl_info info;
    void* holder = nullptr;
    if (!dladdr1(address, &info, &holder, RTLD_DL_LINKMAP) || !holder) return nullptr;
    link_map* mainMap = nullptr;
    if (dlinfo(MainProgram(), RTLD_DI_LINKMAP, &mainMap) == 0 && mainMap == holder) return MainProgram();
    const char* file = static_cast<link_map*>(holder)->l_name;
    return file && *file ? HandleOf(file) : nullptr;
}
