// kernel32 dynamic libraries: real ELF shared objects whose files carry Windows names.
#include <dlfcn.h>
#include <sys/stat.h>

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

bool Locate(const MachineState& state, const std::string& name, Candidate& out)
{
    PathMapper paths = state.Paths();
    if (name.find_first_of("\\/:") != std::string::npos) {
        PathMapper::Resolved r = paths.Resolve(name);
        if (!r.exists || r.isDirectory) return false;
        out.host = r.host;
        out.windowsPath = r.windowsPath.substr(0, r.windowsPath.rfind('\\') + 1) + r.lastName;
        return true;
    }
    const std::string& exe = state.Machine().exePath;
    size_t slash = exe.rfind('\\');
    if (slash != std::string::npos && FindInWindowsFolder(paths, exe.substr(0, slash), name, out)) return true;
    if (FindInWindowsFolder(paths, state.CurrentDirectory(), name, out)) return true;
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

}  // namespace

extern "C" HMODULE LoadLibraryA(LPCSTR name)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!name || !*name) return LastError::Fail(ERROR_MOD_NOT_FOUND, static_cast<HMODULE>(nullptr));
    Candidate found;
    if (!Locate(state, WithExtension(name), found)) return LastError::Fail(ERROR_MOD_NOT_FOUND, static_cast<HMODULE>(nullptr));
    void* handle = state.Modules().Load(found.host, found.windowsPath);
    if (!handle) return LastError::Fail(ERROR_BAD_EXE_FORMAT, static_cast<HMODULE>(nullptr));
    return static_cast<HMODULE>(handle);
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
