// An enhanced metafile opened from disk: where it came from and its header record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MetafileObject : public HandleObject {
public:
    MetafileObject(std::string path, std::vector<uint8_t> header, uint64_t fileSize)
        : m_path(std::move(path)), m_header(std::move(header)), m_fileSize(fileSize)
    {
    }

    const std::string& Path() const { return m_path; }  // full Windows path
    const std::vector<uint8_t>& Header() const { return m_header; }
    uint64_t FileSize() const { return m_fileSize; }

private:
    std::string m_path;
    std::vector<uint8_t> m_header;
    uint64_t m_fileSize;
};

#pragma GCC visibility pop
