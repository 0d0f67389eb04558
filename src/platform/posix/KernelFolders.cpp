// kernel32 folder calls: create, remove, search, current and well-known folders.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "FindObject.h"
#include "HostFiles.h"
#include "LastError.h"
#include "MachineState.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

FILETIME ToFileTime(const struct timespec& ts)
{
    // 100-ns intervals since 1601-01-01.
    uint64_t value = (static_cast<uint64_t>(ts.tv_sec) + 11644473600ull) * 10000000ull +
                     static_cast<uint64_t>(ts.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

bool FindDataOf(const std::string& host, const std::string& name, WIN32_FIND_DATAA& data)
{
    struct stat st;
    if (::stat(host.c_str(), &st) != 0) return false;
    data = WIN32_FIND_DATAA{};
    if (S_ISDIR(st.st_mode))
        data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    else
        data.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | (HostFiles::IsReadOnly(st) ? FILE_ATTRIBUTE_READONLY : 0);
    data.ftCreationTime = ToFileTime(st.st_mtim);
    data.ftLastAccessTime = ToFileTime(st.st_atim);
    data.ftLastWriteTime = ToFileTime(st.st_mtim);
    if (!S_ISDIR(st.st_mode)) {
        uint64_t size = static_cast<uint64_t>(st.st_size);
        data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
    }
    std::memcpy(data.cFileName, name.data(), std::min<size_t>(name.size(), MAX_PATH - 1));
    return true;
}

// Windows rule for the folder getters: the length without NUL, or the size needed with it.
DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size)
{
    if (!buffer || size < text.size() + 1) return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

}  // namespace

extern "C" BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES /*security*/)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (r.error) return LastError::Fail(r.error, FALSE);
    if (r.exists) return LastError::Fail(ERROR_ALREADY_EXISTS, FALSE);
    if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    if (HostFiles::FolderRefuses(r.host)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool made = ::mkdir(r.host.c_str(), 0777) == 0;
    const int error = errno;
    state.Faults().Done();
    if (!made) return LastError::Fail(HostFiles::ErrorOf(error, false), FALSE);
    return TRUE;
}

extern "C" BOOL RemoveDirectoryA(LPCSTR path)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    PathMapper paths = state.Paths();
    PathMapper::Resolved r = paths.Resolve(path);
    if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), FALSE);
    if (!r.isDirectory) return LastError::Fail(ERROR_DIRECTORY, FALSE);
    if (r.isRoot || TextUtil::EqualNoCase(r.windowsPath, state.CurrentDirectory()))
        return LastError::Fail(ERROR_SHARING_VIOLATION, FALSE);
    if (HostFiles::FolderRefuses(r.host)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool removed = ::rmdir(r.host.c_str()) == 0;
    const int error = errno;
    state.Faults().Done();
    if (!removed) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}

extern "C" HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!pattern || !data) return LastError::Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    std::string text(pattern);
    // A trailing separator names no file: Windows finds nothing.
    if (text.empty() || text.back() == '\\' || text.back() == '/')
        return LastError::Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    PathMapper::Resolved r = state.Paths().Resolve(text, true);
    if (r.error) return LastError::Fail(r.error, INVALID_HANDLE_VALUE);
    if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);

    std::vector<WIN32_FIND_DATAA> matches;
    if (r.isRoot) {
        return LastError::Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    } else if (TextUtil::HasWildcard(r.lastName)) {
        std::vector<std::string> names;
        if (DIR* dir = opendir(r.hostParent.c_str())) {
            while (dirent* entry = readdir(dir)) names.push_back(entry->d_name);
            closedir(dir);
        }
        // "." and ".." first, then names in case-insensitive order, as NTFS lists them.
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            bool da = a == "." || a == "..", db = b == "." || b == "..";
            if (da != db) return da;
            return TextUtil::Lower(a) < TextUtil::Lower(b);
        });
        bool parentIsRoot = r.windowsPath.find('\\', 3) == std::string::npos;
        for (const std::string& name : names) {
            if (parentIsRoot && (name == "." || name == "..")) continue;
            if (!TextUtil::WildcardMatch(r.lastName, name)) continue;
            WIN32_FIND_DATAA entry;
            if (FindDataOf(PathMapper::JoinHost(r.hostParent, name), name, entry)) matches.push_back(entry);
        }
    } else if (r.exists) {
        WIN32_FIND_DATAA entry;
        if (FindDataOf(r.host, r.lastName, entry)) matches.push_back(entry);
    }
    if (matches.empty()) return LastError::Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    auto find = std::make_unique<FindObject>(std::move(matches));
    find->Next(*data);
    return state.Handles().Add(std::move(find));
}

extern "C" BOOL FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    FindObject* f = state.Handles().Get<FindObject>(find);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!data) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!f->Next(*data)) return LastError::Fail(ERROR_NO_MORE_FILES, FALSE);
    return TRUE;
}

extern "C" BOOL FindClose(HANDLE find)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.Handles().Get<FindObject>(find)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    state.Handles().Close(find);
    return TRUE;
}

extern "C" DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return CopyOut(state.CurrentDirectory(), buffer, size);
}

extern "C" BOOL SetCurrentDirectoryA(LPCSTR path)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), FALSE);
    if (!r.isDirectory) return LastError::Fail(ERROR_DIRECTORY, FALSE);
    state.SetCurrentDirectory(r.windowsPath);
    return TRUE;
}

extern "C" DWORD GetTempPathA(DWORD size, LPSTR buffer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return CopyOut(state.Machine().tempPath, buffer, size);
}

extern "C" UINT GetWindowsDirectoryA(LPSTR buffer, UINT size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return CopyOut(state.Machine().windowsFolder, buffer, size);
}

extern "C" UINT GetSystemDirectoryA(LPSTR buffer, UINT size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return CopyOut(state.SystemFolder(), buffer, size);
}

extern "C" DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (filePart) *filePart = nullptr;
    if (!path || !*path) return LastError::Fail(ERROR_INVALID_NAME, DWORD{0});
    std::string full = state.Paths().FullPath(path);
    if (full.empty()) {
        // A network path is already full; only its separators are made Windows ones.
        full = path;
        for (char& c : full) c = c == '/' ? '\\' : c;
        if (full.compare(0, 2, "\\\\") != 0) return LastError::Fail(ERROR_INVALID_NAME, DWORD{0});
    }
    const DWORD copied = CopyOut(full, buffer, size);
    if (filePart && buffer && copied == full.size()) {
        const size_t slash = full.rfind('\\');
        if (slash != std::string::npos && slash + 1 < full.size()) *filePart = buffer + slash + 1;
    }
    return copied;
}

extern "C" DWORD ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!source) return LastError::Fail(ERROR_INVALID_PARAMETER, DWORD{0});
    // The simulated machine's own variables; any other %name% stays as written, as on Windows.
    const MachineDescription& machine = state.Machine();
    const std::string temp = machine.tempPath.substr(0, machine.tempPath.size() - 1);
    const std::pair<const char*, std::string> variables[] = {
        {"SystemRoot", machine.windowsFolder}, {"windir", machine.windowsFolder},
        {"SystemDrive", machine.windowsFolder.substr(0, 2)}, {"TEMP", temp}, {"TMP", temp},
        {"ComputerName", machine.computerName},
    };
    std::string text = source;
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t open = text.find('%', i);
        const size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
        if (close == std::string::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        const std::string name = text.substr(open + 1, close - open - 1);
        const std::string* value = nullptr;
        for (const auto& [variable, data] : variables)
            if (TextUtil::EqualNoCase(name, variable)) value = &data;
        if (value) {
            out += *value;
            i = close + 1;
        } else {
            out += text.substr(open, close - open);  // the closing '%' may open the next name
            i = close;
        }
    }
    const DWORD needed = static_cast<DWORD>(out.size() + 1);
    if (destination && size >= needed) std::memcpy(destination, out.c_str(), needed);
    return needed;
}
