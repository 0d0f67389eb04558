#include "FileObject.h"

#include <unistd.h>

FileObject::FileObject(int fd, bool canRead, bool canWrite, std::string hostPath)
    : m_fd(fd), m_canRead(canRead), m_canWrite(canWrite), m_hostPath(std::move(hostPath))
{
}

FileObject::~FileObject()
{
    if (m_fd >= 0) ::close(m_fd);
}
