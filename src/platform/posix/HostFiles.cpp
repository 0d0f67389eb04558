#include "HostFiles.h"

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool HostFiles::WriteAll(const std::string& host, const std::string& bytes, int& hostErrno)
{
    int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        hostErrno = errno;
        return false;
    }
    bool ok = WriteFd(fd, bytes.data(), bytes.size(), hostErrno);
    if (::close(fd) != 0 && ok) {
        hostErrno = errno;
        ok = false;
    }
    return ok;
}

bool HostFiles::Rewrite(const std::string& host, const std::string& bytes, int& hostErrno)
{
    // Overwriting and then cutting the rest keeps the file's blocks, which is much cheaper
    // than truncating to nothing and growing again for a file rewritten key by key.
    int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        hostErrno = errno;
        return false;
    }
    bool ok = WriteFd(fd, bytes.data(), bytes.size(), hostErrno);
    if (ok && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        hostErrno = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        hostErrno = errno;
        ok = false;
    }
    return ok;
}

bool HostFiles::Copy(const std::string& source, const std::string& destination, int& hostErrno)
{
    struct stat st;
    std::string bytes;
    if (::stat(source.c_str(), &st) != 0) {
        hostErrno = errno;
        return false;
    }
    if (!ReadAll(source, bytes, hostErrno)) return false;
    int fd = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        hostErrno = errno;
        return false;
    }
    bool ok = WriteFd(fd, bytes.data(), bytes.size(), hostErrno);
    if (ok) {
        ::fchmod(fd, st.st_mode & 07777);
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(fd, times);
    }
    if (::close(fd) != 0 && ok) {
        hostErrno = errno;
        ok = false;
    }
    return ok;
}

bool HostFiles::SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
