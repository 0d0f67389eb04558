// An open file: a host descriptor and the access it was opened with.
#pragma once

#include <string>

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class FileObject : public HandleObject {
public:
    FileObject(int fd, bool canRead, bool canWrite, std::string hostPath);
    ~FileObject() override;
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

    int Fd() const { return m_fd; }
    bool CanRead() const { return m_canRead; }
    bool CanWrite() const { return m_canWrite; }
    const std::string& HostPath() const { return m_hostPath; }

private:
    int m_fd;
    bool m_canRead;
    bool m_canWrite;
    std::string m_hostPath;
};

#pragma GCC visibility pop
