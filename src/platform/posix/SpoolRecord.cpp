#include "SpoolRecord.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>

int SpoolRecord::Create(const std::string& hostPath)
{
    Close();
    m_fd = ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    m_errno = m_fd < 0 ? errno : 0;
    return m_errno;
}

bool SpoolRecord::Line(std::string_view key, std::string_view value)
{
    std::string text;
    text.reserve(key.size() + value.size() + 2);
    text.append(key);
    text += '=';
    for (char c : value) text += (c == '\n' || c == '\r') ? ' ' : c;
    text += '\n';
    struct iovec part = {text.data(), text.size()};
    return WriteAll(&part, 1);
}

bool SpoolRecord::Block(std::string_view key, const void* data, size_t size)
{
    std::string head;
    head.append(key);
    head += '=';
    head += std::to_string(size);
    head += '\n';
    char tail = '\n';
    struct iovec parts[3] = {{head.data(), head.size()}, {const_cast<void*>(data), size}, {&tail, 1}};
    return WriteAll(parts, 3);
}

bool SpoolRecord::WriteAll(const struct iovec* given, int count)
{
    if (m_fd < 0) {
        m_errno = EBADF;
        return false;
    }
    struct iovec parts[3];
    for (int i = 0; i < count; ++i) parts[i] = given[i];
    int first = 0;
    while (first < count) {
        ssize_t n = ::writev(m_fd, parts + first, count - first);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            m_errno = errno;
            return false;
        }
        // A short write: skip what went out and send the rest.
        size_t done = static_cast<size_t>(n);
        while (first < count && done >= parts[first].iov_len) done -= parts[first++].iov_len;
        if (first < count) {
            parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + done;
            parts[first].iov_len -= done;
        }
    }
    return true;
}

void SpoolRecord::Close()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}
