// advapi32 registry reads, answered from the [Registry] part of the machine description.
// Every value is a string (REG_SZ, or REG_EXPAND_SZ left unexpanded as Windows leaves it); keys can be opened and read, never written.
#include <cstring>
#include <memory>

#include "MachineState.h"
#include "RegistryKeyObject.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

// The path a key handle stands for: a predefined root or an open key; empty when neither.
std::string PathOf(MachineState& state, HKEY key)
{
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    const RegistryKeyObject* open = state.Handles().Get<RegistryKeyObject>(key);
    return open ? open->path : std::string();
}

}  // namespace

extern "C" LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD /*options*/, REGSAM /*access*/, PHKEY result)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string base = PathOf(state, key);
    if (base.empty()) return ERROR_INVALID_HANDLE;
    std::string path = subKey && *subKey ? RegistryHive::Canonical(base + "\\" + subKey) : base;
    RegistryHive hive = RegistryHive::FromDescription();
    if (path.empty() || !hive.KeyExists(path)) return ERROR_FILE_NOT_FOUND;
    auto object = std::make_unique<RegistryKeyObject>();
    object->path = path;
    object->values = hive.ValuesOf(path);
    *result = static_cast<HKEY>(state.Handles().Add(std::move(object)));
    return ERROR_SUCCESS;
}

extern "C" LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                 LPDWORD dataSize)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (reserved || (data && !dataSize)) return ERROR_INVALID_PARAMETER;
    std::vector<RegistryHive::Value> values;
    if (const RegistryKeyObject* open = state.Handles().Get<RegistryKeyObject>(key)) {
        values = open->values;
    } else {
        std::string path = PathOf(state, key);
        if (path.empty()) return ERROR_INVALID_HANDLE;
        values = RegistryHive::FromDescription().ValuesOf(path);
    }
    std::string name = valueName ? valueName : "";
    const RegistryHive::Value* found = nullptr;
    for (const RegistryHive::Value& v : values) {
        if (TextUtil::EqualNoCase(v.name, name)) {
            found = &v;
            break;
        }
    }
    if (!found) return ERROR_FILE_NOT_FOUND;

    DWORD needed = static_cast<DWORD>(found->data.size() + 1);  // the NUL counts
    if (type) *type = found->type;
    if (!data) {
        if (dataSize) *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, found->data.c_str(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

extern "C" LONG RegCloseKey(HKEY key)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS)
        return ERROR_SUCCESS;
    if (!state.Handles().Get<RegistryKeyObject>(key)) return ERROR_INVALID_HANDLE;
    state.Handles().Close(key);
    return ERROR_SUCCESS;
}
