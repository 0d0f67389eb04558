#include "launch/CHtmlHelpEntry.h"

#include <cstring>

#include "launch/CLibraryLoader.h"

namespace {

constexpr const char* kEngineKey = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr const char* kEngineFile = "hhctrl.ocx";
constexpr WORD kNarrowHelpOrdinal = 14;
constexpr DWORD kPathBytes = MAX_PATH;

}  // namespace

CHtmlHelpEntry& CHtmlHelpEntry::Shared()
{
    // Never destroyed: the engine stays loaded until the process unloads this library.
    static CHtmlHelpEntry* shared = new CHtmlHelpEntry;
    return *shared;
}

CHtmlHelpEntry::~CHtmlHelpEntry()
{
    if (m_module) FreeLibrary(m_module);
}

HMODULE CHtmlHelpEntry::LoadRegisteredEngine()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kEngineKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return nullptr;
    // One byte more than is read, so that a value of the full length still ends in a NUL.
    char path[kPathBytes + 1] = {};
    DWORD size = kPathBytes;
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(path), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || path[0] == '\0') return nullptr;
    if (type == REG_SZ) return CLibraryLoader::LoadFullPath(path);
    char expanded[kPathBytes] = {};
    const DWORD length = ExpandEnvironmentStringsA(path, expanded, kPathBytes);
    if (length == 0 || length > kPathBytes) return nullptr;
    return CLibraryLoader::LoadFullPath(expanded);
}

CHtmlHelpEntry::HelpFunction CHtmlHelpEntry::Resolve()
{
    if (m_function || m_failed) return m_function;
    HMODULE module = LoadRegisteredEngine();
    if (!module) module = CLibraryLoader::LoadSystem(kEngineFile);
    if (!module) {
        m_failed = true;
        return nullptr;
    }
    FARPROC proc = GetProcAddress(module, MAKEINTRESOURCEA(kNarrowHelpOrdinal));
    if (!proc) {
        FreeLibrary(module);
        m_failed = true;
        return nullptr;
    }
    m_module = module;
    m_function = reinterpret_cast<HelpFunction>(reinterpret_cast<void (*)()>(proc));
    return m_function;
}

HWND CHtmlHelpEntry::Call(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    HelpFunction function = Resolve();
    return function ? function(owner, file, command, data) : nullptr;
}
