// An open file: a host descriptor and the access it was opened with.
#pragma once

#include <string>

#include "HandleObject.h"

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
