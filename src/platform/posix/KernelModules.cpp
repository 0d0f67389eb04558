// kernel32 dynamic libraries: real ELF shared objects whose files carry Windows names.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <string>

#include "LastError.h"
#include "MachineState.h"
#include "ModuleResources.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

struct Candidate {
    std::string host;
    std::string windowsPath;
};

bool IsFile(const std::string& host)
{
    struct stat st;
    return ::stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Windows appends ".dll" to a name without extension; a trailing dot means "no extension".
std::string WithExtension(std::string name)
{
    size_t slash = name.find_last_of("\\/");
    std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    if (!last.empty() && last.back() == '.') {
        name.pop_back();
        return name;
    }
    if (last.find('.') == std::string::npos) name += ".dll";
    return name;
}

bool FindInWindowsFolder(const PathMapper& paths, const std::string& folder, const std::string& name, Candidate& out)
{
    if (folder.empty()) return false;
    PathMapper::Resolved r = paths.Resolve(folder + "\\" + name);
    if (!r.exists || r.isDirectory) return false;
    out.host = r.host;
    out.windowsPath = r.windowsPath.substr(0, r.windowsPath.rfind('\\') + 1) + r.lastName;
    return true;
}

constexpr DWORD kSearchFlags = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_APPLICATION_DIR |
                               LOAD_LIBRARY_SEARCH_USER_DIRS | LOAD_LIBRARY_SEARCH_SYSTEM32 |
                               LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;

// "X:\..." or "\\server\...": a path that names one file whatever the current folder.
bool IsFullPath(const std::string& name)
{
    const auto slash = [](char c) { return c == '\\' || c == '/'; };
    if (name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':' && slash(name[2]))
        return true;
    return name.size() >= 2 && slash(name[0]) && slash(name[1]);
}

std::string ExeFolder(const MachineState& state)
{
    const std::string& exe = state.Machine().exePath;
    const size_t slash = exe.rfind('\\');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

// The standard search: the program's folder, System32, the Windows folder, the current
// folder, then the folders of the description's LibraryPath (which stand for PATH).
bool StandardSearch(const MachineState& state, const PathMapper& paths, const std::string& name, Candidate& out)
{
    for (const std::string& folder : {ExeFolder(state), state.SystemFolder(), state.Machine().windowsFolder,
                                      state.CurrentDirectory()}) {
        if (FindInWindowsFolder(paths, folder, name, out)) return true;
    }
    for (const std::string& folder : state.Machine().libraryPath) {
        std::string found = PathMapper::FindNoCase(folder, name);
        if (found.empty()) continue;
        std::string host = PathMapper::JoinHost(folder, found);
        if (!IsFile(host)) continue;
        out.host = host;
        out.windowsPath = state.Machine().WindowsPathOf(host);
        return true;
    }
    return false;
}

// Finds the file LoadLibraryExA loads for name with the search flags given (0: the process
// default of SetDefaultDllDirectories, else the standard search). False with the error set.
bool Locate(const MachineState& state, const std::string& name, DWORD flags, Candidate& out, DWORD& error)
{
    error = ERROR_MOD_NOT_FOUND;
    PathMapper paths = state.Paths();
    if (name.find_first_of("\\/:") != std::string::npos) {
        // A folder of the loaded library is only defined for a full path.
        if ((flags & LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR) && !IsFullPath(name)) {
            error = ERROR_INVALID_PARAMETER;
            return false;
        }
        PathMapper::Resolved r = paths.Resolve(name);
        if (!r.exists || r.isDirectory) return false;
        out.host = r.host;
        out.windowsPath = r.windowsPath.substr(0, r.windowsPath.rfind('\\') + 1) + r.lastName;
        return true;
    }
    DWORD search = flags & kSearchFlags;
    if (search == 0) search = state.DefaultDllDirectories();
    if (search == 0) return StandardSearch(state, paths, name, out);
    // Only the folders the flags name; never the current folder or PATH.
    if (search & LOAD_LIBRARY_SEARCH_DEFAULT_DIRS) search |= LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
    if ((search & LOAD_LIBRARY_SEARCH_APPLICATION_DIR) && FindInWindowsFolder(paths, ExeFolder(state), name, out))
        return true;
    return (search & LOAD_LIBRARY_SEARCH_SYSTEM32) && FindInWindowsFolder(paths, state.SystemFolder(), name, out);
}

HMODULE Load(LPCSTR name, DWORD flags)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!name || !*name) return LastError::Fail(ERROR_MOD_NOT_FOUND, static_cast<HMODULE>(nullptr));
    Candidate found;
    DWORD error = 0;
    if (!Locate(state, WithExtension(name), flags, found, error)) return LastError::Fail(error, static_cast<HMODULE>(nullptr));
    void* handle = state.Modules().Load(found.host, found.windowsPath);
    if (!handle) return LastError::Fail(ERROR_BAD_EXE_FORMAT, static_cast<HMODULE>(nullptr));
    return static_cast<HMODULE>(handle);
}

// The Windows path of a shared object loaded without LoadLibraryA (a host's own dlopen).
std::string LoadedElsewhere(MachineState& state, HMODULE module)
{
    if (!ModuleResources::IsLoaded(module, state.Modules())) return {};
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name || !*map->l_name) return {};
    return state.Machine().WindowsPathOf(map->l_name);
}

}  // namespace

extern "C" HMODULE LoadLibraryA(LPCSTR name)
{
    return Load(name, 0);
}

extern "C" HMODULE LoadLibraryExA(LPCSTR name, HANDLE file, DWORD flags)
{
    if (file || ((flags & LOAD_WITH_ALTERED_SEARCH_PATH) && (flags & kSearchFlags)))
        return LastError::Fail(ERROR_INVALID_PARAMETER, static_cast<HMODULE>(nullptr));
    return Load(name, flags);
}

extern "C" BOOL SetDefaultDllDirectories(DWORD flags)
{
    constexpr DWORD allowed = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_USER_DIRS |
                              LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
    if (flags == 0 || (flags & ~allowed)) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    state.SetDefaultDllDirectories(flags);
    return TRUE;
}

extern "C" FARPROC GetProcAddress(HMODULE module, LPCSTR name)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.Modules().Contains(module)) return LastError::Fail(ERROR_MOD_NOT_FOUND, static_cast<FARPROC>(nullptr));
    // ELF has no ordinals: ordinal n (a value below 0x10000 in place of the name) is the
    // exported symbol "Ordinal<n>", e.g. "Ordinal14".
    uintptr_t ordinal = reinterpret_cast<uintptr_t>(name);
    if (ordinal == 0) return LastError::Fail(ERROR_PROC_NOT_FOUND, static_cast<FARPROC>(nullptr));
    std::string ordinalName;
    if (ordinal < 0x10000) {
        ordinalName = "Ordinal" + std::to_string(ordinal);
        name = ordinalName.c_str();
    }
    void* symbol = dlsym(module, name);
    if (!symbol) return LastError::Fail(ERROR_PROC_NOT_FOUND, static_cast<FARPROC>(nullptr));
    return reinterpret_cast<FARPROC>(symbol);
}

extern "C" BOOL FreeLibrary(HMODULE module)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.Modules().Free(module)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    return TRUE;
}

extern "C" DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    std::string path;
    if (!module || module == ModuleResources::MainProgram()) {
        path = state.Machine().exePath;
    } else if (const std::string* p = state.Modules().WindowsPath(module)) {
        path = *p;
    } else if (std::string elsewhere = LoadedElsewhere(state, module); !elsewhere.empty()) {
        path = elsewhere;
    } else {
        return LastError::Fail(ERROR_MOD_NOT_FOUND, DWORD{0});
    }
    if (!buffer || size == 0) return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, DWORD{0});
    if (path.size() < size) {
        std::memcpy(buffer, path.c_str(), path.size() + 1);
        LastError::Set(ERROR_SUCCESS);
        return static_cast<DWORD>(path.size());
    }
    // Too small: the path cut to size - 1 characters and a NUL, the size, and error 122.
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    LastError::Set(ERROR_INSUFFICIENT_BUFFER);
    return size;
}
