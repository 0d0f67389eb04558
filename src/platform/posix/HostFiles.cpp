#include "HostFiles.h"

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "WriteFaults.h"

namespace {

std::string FolderOf(const std::string& hostEntry)
{
    size_t slash = hostEntry.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : hostEntry.substr(0, slash);
}

// The change just asked for is on the disk: the fault switch may end the process now.
void Settled(WriteFaults* faults)
{
    if (faults) faults->Done();
}

// The new file that replaces a destination. Where the host allows it, the file has no name
// until it replaces the destination, so a process that ends half way leaves nothing behind,
// as the real calls leave nothing; otherwise it is "<destination>.~new".
class NewFile {
public:
    explicit NewFile(const std::string& destination)
        : m_destination(destination), m_temp(destination + ".~new") {}
    ~NewFile()
    {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_published && !m_anonymous && m_opened) ::unlink(m_temp.c_str());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    bool Open(int& hostErrno)
    {
        m_fd = ::open(FolderOf(m_destination).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        m_anonymous = m_fd >= 0;
        if (!m_anonymous) m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (m_fd < 0) {
            hostErrno = errno;
            return false;
        }
        m_opened = true;
        return true;
    }
    int Fd() const { return m_fd; }
    // The bytes are written: a named file is closed now, where late errors surface.
    bool Finish(int& hostErrno)
    {
        if (m_anonymous) return true;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            hostErrno = errno;
            return false;
        }
        return true;
    }
    // Takes the destination's place in one rename.
    bool Publish(int& hostErrno)
    {
        if (m_anonymous) {
            ::unlink(m_temp.c_str());
            const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_temp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                hostErrno = errno;
                return false;
            }
        }
        if (::rename(m_temp.c_str(), m_destination.c_str()) != 0) {
            hostErrno = errno;
            if (m_anonymous) ::unlink(m_temp.c_str());
            return false;
        }
        m_published = true;
        if (m_fd >= 0 && ::close(m_fd) != 0) hostErrno = errno;
        m_fd = -1;
        return true;
    }

private:
    std::string m_destination;
    std::string m_temp;
    int m_fd = -1;
    bool m_anonymous = false;
    bool m_opened = false;
    bool m_published = false;
};

}  // namespace

uint32_t HostFiles::ErrorOf(int hostErrno, bool parentExists)
{
    switch (hostErrno) {
    case ENOENT: return parentExists ? 2 : 3;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;
    case EEXIST: return 183;
    case ENOTEMPTY: return 145;
    case ENOSPC:
    case EDQUOT: return 112;
    case EMFILE:
    case ENFILE: return 4;
    case ENAMETOOLONG: return 206;
    case EBUSY: return 32;
    case EXDEV: return 17;
    case EIO: return 29;
    default: return 1;
    }
}

bool HostFiles::ReadAll(const std::string& host, std::string& bytes, int& hostErrno)
{
    bytes.clear();
    int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        hostErrno = errno;
        return false;
    }
    // Read straight into the string, sized from the file, with room to notice growth.
    struct stat st;
    size_t capacity = (::fstat(fd, &st) == 0 && st.st_size > 0) ? static_cast<size_t>(st.st_size) + 1 : 4096;
    size_t used = 0;
    bytes.resize(capacity);
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            hostErrno = errno;
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    bytes.resize(used);
    ::close(fd);
    return true;
}

static bool WriteFd(int fd, const char* data, size_t size, int& hostErrno)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            hostErrno = errno;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool HostFiles::FolderRefuses(const std::string& hostEntry)
{
    struct stat st;
    return ::stat(FolderOf(hostEntry).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

void HostFiles::SyncFolder(const std::string& hostEntry)
{
    int fd = ::open(FolderOf(hostEntry).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool HostFiles::Replace(const std::string& host, const std::string& bytes, int& hostErrno, WriteFaults* faults)
{
    if (FolderRefuses(host)) {
        hostErrno = EACCES;
        return false;
    }
    struct stat old;
    bool existed = ::stat(host.c_str(), &old) == 0;
    NewFile temp(host);
    if (faults && (hostErrno = faults->Step()) != 0) return false;
    const bool opened = temp.Open(hostErrno);
    if (opened && existed) ::fchmod(temp.Fd(), old.st_mode & 07777);
    Settled(faults);
    if (!opened) return false;
    const int fd = temp.Fd();
    uint64_t allowed = bytes.size();
    int fault = faults ? faults->Bytes(bytes.size(), allowed) : 0;
    bool ok = WriteFd(fd, bytes.data(), static_cast<size_t>(allowed), hostErrno);
    Settled(faults);
    if (ok && fault) {
        hostErrno = fault;
        ok = false;
    }
    // The flush step stands for the write-back where late write errors surface. The host file
    // is not synced: like the real profile calls, no write-through is asked for, and the
    // rename alone keeps every reader to the old or the new file.
    if (ok && faults && (hostErrno = faults->Step()) != 0) ok = false;
    if (!temp.Finish(hostErrno)) ok = false;
    Settled(faults);
    if (ok && faults && (hostErrno = faults->Step()) != 0) ok = false;
    if (ok && !temp.Publish(hostErrno)) ok = false;
    Settled(faults);
    return ok;
}

bool HostFiles::Copy(const std::string& source, const std::string& destination, int& hostErrno, WriteFaults* faults,
                     std::string* copied)
{
    struct stat st;
    std::string bytes;
    if (::stat(source.c_str(), &st) != 0) {
        hostErrno = errno;
        return false;
    }
    if (!ReadAll(source, bytes, hostErrno)) return false;
    // The copy goes to a new file that is renamed over the destination, so a copy that fails
    // part-way leaves the old destination whole.
    NewFile temp(destination);
    if (faults && (hostErrno = faults->Step()) != 0) return false;
    const bool opened = temp.Open(hostErrno);
    Settled(faults);
    if (!opened) return false;
    const int fd = temp.Fd();
    uint64_t allowed = bytes.size();
    int fault = faults ? faults->Bytes(bytes.size(), allowed) : 0;
    bool ok = WriteFd(fd, bytes.data(), static_cast<size_t>(allowed), hostErrno);
    if (ok && fault) {
        hostErrno = fault;
        ok = false;
    }
    if (ok) {
        ::fchmod(fd, st.st_mode & 07777);
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(fd, times);
    }
    if (!temp.Finish(hostErrno)) ok = false;
    Settled(faults);
    if (ok && faults && (hostErrno = faults->Step()) != 0) ok = false;
    if (ok && !temp.Publish(hostErrno)) ok = false;
    Settled(faults);
    if (ok && copied) *copied = std::move(bytes);
    return ok;
}

bool HostFiles::SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
