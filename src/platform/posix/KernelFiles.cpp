// kernel32 file calls: open, read, write, seek, copy, move, delete, attributes. Every call
// that changes the disk asks the machine's fault switch first (WriteFaults).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "FileObject.h"
#include "HostFiles.h"
#include "KernelObject.h"
#include "LastError.h"
#include "MachineState.h"
#include "ProfileCache.h"
#include "ReadSwap.h"
#include "platform/win32api.h"

namespace {

constexpr DWORD kErrorReadFault = 30;  // ERROR_READ_FAULT: the simulated disk's read fault

constexpr DWORD kReadAccess = GENERIC_READ | 0x10000000u /* GENERIC_ALL */ | 0x0001 /* FILE_READ_DATA */;
constexpr DWORD kWriteAccess = GENERIC_WRITE | 0x10000000u | 0x0002 /* FILE_WRITE_DATA */ | 0x0004 /* FILE_APPEND_DATA */;

FileObject* FileOf(HANDLE handle)
{
    return MachineState::Instance().Handles().Get<FileObject>(handle);
}

bool IsReadOnlyHost(const std::string& host)
{
    struct stat st;
    return ::stat(host.c_str(), &st) == 0 && HostFiles::IsReadOnly(st);
}

}  // namespace

extern "C" HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD /*share*/, LPSECURITY_ATTRIBUTES /*security*/,
                              DWORD disposition, DWORD flags, HANDLE /*templateFile*/)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (r.error) return LastError::Fail(r.error, INVALID_HANDLE_VALUE);
    if (r.exists && r.isDirectory) return LastError::Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);

    bool canRead = (access & kReadAccess) != 0;
    bool canWrite = (access & kWriteAccess) != 0;
    int hostFlags = O_CLOEXEC;
    DWORD successError = ERROR_SUCCESS;
    switch (disposition) {
    case CREATE_NEW:
        if (r.exists) return LastError::Fail(ERROR_FILE_EXISTS, INVALID_HANDLE_VALUE);
        if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
        hostFlags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
        if (r.exists && IsReadOnlyHost(r.host)) return LastError::Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
        if (r.exists) successError = ERROR_ALREADY_EXISTS;
        hostFlags |= O_CREAT | O_TRUNC;
        canWrite = true;  // truncation needs a writable descriptor, whatever the access asked
        break;
    case OPEN_EXISTING:
        if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), INVALID_HANDLE_VALUE);
        break;
    case OPEN_ALWAYS:
        if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
        if (r.exists) successError = ERROR_ALREADY_EXISTS;
        hostFlags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), INVALID_HANDLE_VALUE);
        if (!(access & kWriteAccess)) return LastError::Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
        hostFlags |= O_TRUNC;
        break;
    default:
        return LastError::Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    }
    // Windows refuses write access to a read-only file for everybody, the owner included.
    if (r.exists && (access & kWriteAccess) && IsReadOnlyHost(r.host))
        return LastError::Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);

    // Making a file or cutting one changes the disk.
    bool creates = (hostFlags & O_CREAT) && !r.exists;
    if (creates && HostFiles::FolderRefuses(r.host)) return LastError::Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
    if (creates || (hostFlags & O_TRUNC)) {
        if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), INVALID_HANDLE_VALUE);
    }

    bool wantWrite = canWrite || (hostFlags & O_TRUNC);
    // What was parsed of the file goes when its bytes change: here when the open cuts it,
    // otherwise at the first write through the handle (a handle opened only to flush keeps it).
    if (hostFlags & O_TRUNC) ProfileCache::Instance().ChangedInPlace(r.host);
    hostFlags |= wantWrite ? (canRead ? O_RDWR : O_WRONLY) : O_RDONLY;
    mode_t mode = (flags & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    int fd = ::open(r.host.c_str(), hostFlags, mode);
    if (creates || (hostFlags & O_TRUNC)) state.Faults().Done();
    if (fd < 0) return LastError::Fail(HostFiles::ErrorOf(errno, r.parentExists), INVALID_HANDLE_VALUE);
    bool writable = (access & kWriteAccess) != 0;
    HANDLE handle = state.Handles().Add(std::make_unique<FileObject>(fd, canRead, writable, r.host));
    LastError::Set(successError);
    return handle;
}

extern "C" BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD done, LPOVERLAPPED /*overlapped*/)
{
    MachineLock lock(MachineState::Instance().Mutex());
    if (done) *done = 0;
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!f->CanRead()) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (!buffer && count) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    if (count && MachineState::Instance().ReadFails(f->HostPath())) return LastError::Fail(kErrorReadFault, FALSE);
    DWORD total = 0;
    while (total < count) {
        ssize_t n = ::read(f->Fd(), static_cast<char*>(buffer) + total, count - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return LastError::Fail(HostFiles::ErrorOf(errno), FALSE);
        if (n == 0) break;
        total += static_cast<DWORD>(n);
    }
    if (done) *done = total;
    if (total > 0) ReadSwap::Instance().Read(f->HostPath());
    return TRUE;
}

extern "C" BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD done, LPOVERLAPPED /*overlapped*/)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (done) *done = 0;
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!f->CanWrite()) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (!buffer && count) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    if (count == 0) return TRUE;
    ProfileCache::Instance().ChangedInPlace(f->HostPath());
    // A full disk takes what fits and refuses the rest.
    uint64_t fits = count;
    int fault = state.Faults().Bytes(count, fits);
    DWORD total = 0;
    while (total < fits) {
        ssize_t n = ::write(f->Fd(), static_cast<const char*>(buffer) + total, static_cast<size_t>(fits) - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (done) *done = total;
            return LastError::Fail(HostFiles::ErrorOf(errno), FALSE);
        }
        total += static_cast<DWORD>(n);
    }
    state.Faults().Done();
    if (done) *done = total;
    if (fault) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    return TRUE;
}

extern "C" DWORD GetFileSize(HANDLE file, LPDWORD high)
{
    MachineLock lock(MachineState::Instance().Mutex());
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, INVALID_FILE_SIZE);
    struct stat st;
    if (::fstat(f->Fd(), &st) != 0) return LastError::Fail(HostFiles::ErrorOf(errno), INVALID_FILE_SIZE);
    uint64_t size = static_cast<uint64_t>(st.st_size);
    if (high) *high = static_cast<DWORD>(size >> 32);
    LastError::Set(ERROR_SUCCESS);
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

extern "C" DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method)
{
    MachineLock lock(MachineState::Instance().Mutex());
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
    int64_t move = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
                                                       static_cast<uint32_t>(distance))
                                : static_cast<int64_t>(distance);
    int64_t base = 0;
    if (method == FILE_CURRENT) {
        base = ::lseek(f->Fd(), 0, SEEK_CUR);
    } else if (method == FILE_END) {
        struct stat st;
        if (::fstat(f->Fd(), &st) != 0) return LastError::Fail(HostFiles::ErrorOf(errno), INVALID_SET_FILE_POINTER);
        base = st.st_size;
    } else if (method != FILE_BEGIN) {
        return LastError::Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
    }
    int64_t target = base + move;
    if (target < 0) return LastError::Fail(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
    if (::lseek(f->Fd(), target, SEEK_SET) < 0) return LastError::Fail(HostFiles::ErrorOf(errno), INVALID_SET_FILE_POINTER);
    if (distanceHigh) *distanceHigh = static_cast<LONG>(static_cast<uint64_t>(target) >> 32);
    LastError::Set(ERROR_SUCCESS);
    return static_cast<DWORD>(static_cast<uint64_t>(target) & 0xFFFFFFFFu);
}

extern "C" BOOL SetEndOfFile(HANDLE file)
{
    MachineLock lock(MachineState::Instance().Mutex());
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!f->CanWrite()) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = MachineState::Instance().Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    ProfileCache::Instance().ChangedInPlace(f->HostPath());
    off_t pos = ::lseek(f->Fd(), 0, SEEK_CUR);
    const bool cut = pos >= 0 && ::ftruncate(f->Fd(), pos) == 0;
    const int error = errno;
    MachineState::Instance().Faults().Done();
    if (!cut) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}

extern "C" BOOL FlushFileBuffers(HANDLE file)
{
    MachineLock lock(MachineState::Instance().Mutex());
    FileObject* f = FileOf(file);
    if (!f) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!f->CanWrite()) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    // Where delayed write errors surface: it counts as a write of its own.
    if (int fault = MachineState::Instance().Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool flushed = ::fsync(f->Fd()) == 0;
    const int error = errno;
    MachineState::Instance().Faults().Done();
    if (!flushed) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}

extern "C" BOOL CloseHandle(HANDLE handle)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!FileOf(handle) && !state.Handles().Get<KernelObject>(handle)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    state.Handles().Close(handle);
    return TRUE;
}

extern "C" BOOL DeleteFileA(LPCSTR path)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), FALSE);
    if (r.isDirectory || IsReadOnlyHost(r.host) || HostFiles::FolderRefuses(r.host))
        return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool deleted = ::unlink(r.host.c_str()) == 0;
    const int error = errno;
    state.Faults().Done();
    if (!deleted) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}

extern "C" BOOL CopyFileA(LPCSTR source, LPCSTR destination, BOOL failIfExists)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!source || !destination) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    PathMapper paths = state.Paths();
    PathMapper::Resolved from = paths.Resolve(source);
    if (!from.exists) return LastError::Fail(PathMapper::MissingError(from), FALSE);
    if (from.isDirectory) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    PathMapper::Resolved to = paths.Resolve(destination);
    if (to.error) return LastError::Fail(to.error, FALSE);
    if (!to.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    if (to.exists) {
        if (failIfExists) return LastError::Fail(ERROR_FILE_EXISTS, FALSE);
        if (to.isDirectory || IsReadOnlyHost(to.host)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
        if (HostFiles::SameFile(from.host, to.host)) return LastError::Fail(ERROR_SHARING_VIOLATION, FALSE);
    } else if (HostFiles::FolderRefuses(to.host)) {
        return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    int err = 0;
    std::string bytes;
    if (!HostFiles::Copy(from.host, to.host, err, &state.Faults(), &bytes)) {
        ProfileCache::Instance().Forget(to.host);
        return LastError::Fail(HostFiles::ErrorOf(err), FALSE);
    }
    ProfileCache::Instance().Copied(from.host, to.host, bytes);
    ReadSwap::Instance().Read(from.host);
    LastError::Set(ERROR_SUCCESS);
    return TRUE;
}

extern "C" BOOL CreateHardLinkA(LPCSTR newName, LPCSTR existing, LPSECURITY_ATTRIBUTES /*security*/)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!newName || !existing) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    PathMapper paths = state.Paths();
    PathMapper::Resolved from = paths.Resolve(existing);
    if (from.error) return LastError::Fail(from.error, FALSE);
    if (!from.exists) return LastError::Fail(PathMapper::MissingError(from), FALSE);
    if (from.isDirectory) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    PathMapper::Resolved to = paths.Resolve(newName);
    if (to.error) return LastError::Fail(to.error, FALSE);
    if (to.exists) return LastError::Fail(ERROR_ALREADY_EXISTS, FALSE);
    if (!to.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    if (HostFiles::FolderRefuses(to.host)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool linked = ::link(from.host.c_str(), to.host.c_str()) == 0;
    const int error = errno;
    state.Faults().Done();
    // Another host file system stands for another volume.
    if (!linked) return LastError::Fail(error == EXDEV ? ERROR_NOT_SAME_DEVICE : HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}

extern "C" BOOL MoveFileExA(LPCSTR source, LPCSTR destination, DWORD flags)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!source || !destination || (flags & MOVEFILE_DELAY_UNTIL_REBOOT))
        return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    PathMapper paths = state.Paths();
    PathMapper::Resolved from = paths.Resolve(source);
    if (from.error) return LastError::Fail(from.error, FALSE);
    if (!from.exists) return LastError::Fail(PathMapper::MissingError(from), FALSE);
    PathMapper::Resolved to = paths.Resolve(destination);
    if (to.error) return LastError::Fail(to.error, FALSE);
    if (!to.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    std::string target = to.host;
    if (to.exists && from.host == to.host) {
        // A change of case of the same entry.
        std::string given = paths.FullPath(destination);
        target = PathMapper::JoinHost(to.hostParent, given.substr(given.rfind('\\') + 1));
    } else if (to.exists) {
        if (!(flags & MOVEFILE_REPLACE_EXISTING)) return LastError::Fail(ERROR_ALREADY_EXISTS, FALSE);
        if (to.isDirectory || from.isDirectory || IsReadOnlyHost(to.host))
            return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    if (HostFiles::FolderRefuses(from.host) || HostFiles::FolderRefuses(target))
        return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    // A profile file parsed under its old name need not be read again under the new one.
    const bool trusted = ProfileCache::Instance().Trusted(from.host);
    if (::rename(from.host.c_str(), target.c_str()) != 0) {
        const int error = errno;
        if (error != EXDEV || from.isDirectory || !(flags & MOVEFILE_COPY_ALLOWED)) state.Faults().Done();
        if (error != EXDEV || from.isDirectory) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
        if (!(flags & MOVEFILE_COPY_ALLOWED)) return LastError::Fail(ERROR_NOT_SAME_DEVICE, FALSE);
        // Another drive on another host file system: copy, then remove the source, as Windows does.
        int err = 0;
        const bool copied = HostFiles::Copy(from.host, target, err);
        if (copied) ::unlink(from.host.c_str());
        state.Faults().Done();
        ProfileCache::Instance().Moved(from.host, target, false);
        if (!copied) return LastError::Fail(HostFiles::ErrorOf(err), FALSE);
    } else {
        ProfileCache::Instance().Moved(from.host, target, trusted);
    }
    if (flags & MOVEFILE_WRITE_THROUGH) {
        int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
        HostFiles::SyncFolder(target);
        HostFiles::SyncFolder(from.host);
    }
    state.Faults().Done();
    return TRUE;
}

extern "C" BOOL MoveFileA(LPCSTR source, LPCSTR destination)
{
    return MoveFileExA(source, destination, MOVEFILE_COPY_ALLOWED);
}

extern "C" DWORD GetFileAttributesA(LPCSTR path)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, INVALID_FILE_ATTRIBUTES);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), INVALID_FILE_ATTRIBUTES);
    if (r.isDirectory) return FILE_ATTRIBUTE_DIRECTORY;
    return FILE_ATTRIBUTE_ARCHIVE | (IsReadOnlyHost(r.host) ? FILE_ATTRIBUTE_READONLY : 0);
}

extern "C" BOOL SetFileAttributesA(LPCSTR path, DWORD attributes)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (!r.exists) return LastError::Fail(PathMapper::MissingError(r), FALSE);
    if (r.isDirectory) return TRUE;  // folders keep their permissions; Windows ignores read-only there too
    struct stat st;
    if (::stat(r.host.c_str(), &st) != 0) return LastError::Fail(HostFiles::ErrorOf(errno), FALSE);
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~static_cast<mode_t>(0222)) : (mode | S_IWUSR);
    if (int fault = state.Faults().Step()) return LastError::Fail(HostFiles::ErrorOf(fault), FALSE);
    const bool changed = ::chmod(r.host.c_str(), mode) == 0;
    const int error = errno;
    state.Faults().Done();
    if (!changed) return LastError::Fail(HostFiles::ErrorOf(error), FALSE);
    return TRUE;
}
