// kernel32 resources: module handles and the resource sections of modules. A resource handle
// (HRSRC) is the address of the entry's header in its module's section, the data handle the
// address of its data; both stay valid while the module is loaded, as on Windows.
#include <string>

#include "LastError.h"
#include "MachineState.h"
#include "ModuleResources.h"
#include "ResourceSection.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

// The entry a handle from FindResourceA stands for in that module, or null with the error set.
const ResourceEntry* EntryOf(MachineState& state, HMODULE module, HRSRC resource, ResourceSection& section)
{
    uint32_t error = 0;
    if (!ModuleResources::Section(module, state.Modules(), section, error))
        return LastError::Fail(error, static_cast<const ResourceEntry*>(nullptr));
    const ResourceEntry* entry = resource ? section.EntryAt(resource) : nullptr;
    if (!entry) return LastError::Fail(ERROR_INVALID_HANDLE, static_cast<const ResourceEntry*>(nullptr));
    return entry;
}

HRSRC Find(HMODULE module, LPCSTR type, LPCSTR name, const WORD* language)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!type || !name) return LastError::Fail(ERROR_INVALID_PARAMETER, HRSRC{nullptr});
    ResourceSection section;
    uint32_t error = 0;
    if (!ModuleResources::Section(module, state.Modules(), section, error)) return LastError::Fail(error, HRSRC{nullptr});
    const ResourceName typeName = ResourceName::FromArgument(type);
    const ResourceName entryName = ResourceName::FromArgument(name);
    // The neutral language asks for the usual search, as FindResourceA makes it.
    const bool exact = language && *language != MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const ResourceEntry* entry = exact ? section.FindExact(typeName, entryName, *language, error)
                                       : section.Find(typeName, entryName, state.Machine().uiLanguage, error);
    if (!entry) return LastError::Fail(error, HRSRC{nullptr});
    return reinterpret_cast<HRSRC>(const_cast<uint8_t*>(entry->header));
}

}  // namespace

extern "C" HMODULE GetModuleHandleA(LPCSTR name)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!name) return static_cast<HMODULE>(ModuleResources::MainProgram());
    // Windows adds ".dll" to a name without extension and compares file names only.
    std::string wanted = name;
    const size_t slash = wanted.find_last_of("\\/");
    if (slash != std::string::npos) wanted = wanted.substr(slash + 1);
    if (!wanted.empty() && wanted.back() == '.') wanted.pop_back();
    else if (wanted.find('.') == std::string::npos) wanted += ".dll";
    if (void* module = state.Modules().FindByFileName(wanted)) return static_cast<HMODULE>(module);
    if (void* module = ModuleResources::FindLoaded(wanted)) return static_cast<HMODULE>(module);
    return LastError::Fail(ERROR_MOD_NOT_FOUND, HMODULE{nullptr});
}

extern "C" BOOL GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module)
{
    if (!module) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    *module = nullptr;
    if (!(flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)) {
        *module = GetModuleHandleA(name);
        return *module != nullptr;
    }
    void* holder = ModuleResources::Holding(name);
    if (!holder) return LastError::Fail(ERROR_MOD_NOT_FOUND, FALSE);
    *module = static_cast<HMODULE>(holder);
    return TRUE;
}

extern "C" HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    return Find(module, type, name, nullptr);
}

extern "C" HRSRC FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language)
{
    return Find(module, type, name, &language);
}

extern "C" HGLOBAL LoadResource(HMODULE module, HRSRC resource)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    ResourceSection section;
    const ResourceEntry* entry = EntryOf(state, module, resource, section);
    return entry ? static_cast<HGLOBAL>(const_cast<uint8_t*>(entry->data)) : HGLOBAL{nullptr};
}

extern "C" LPVOID LockResource(HGLOBAL data)
{
    return data;
}

extern "C" DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    ResourceSection section;
    const ResourceEntry* entry = EntryOf(state, module, resource, section);
    return entry ? entry->size : 0;
}

extern "C" BOOL FreeResource(HGLOBAL)
{
    return FALSE;  // nothing to free: the data belongs to the module
}
