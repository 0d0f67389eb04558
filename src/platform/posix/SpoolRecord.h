// The record file of one print job in the spool folder: header lines, then the job's events
// in the order they happened (see MachineDescription.md for the format).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class SpoolRecord {
public:
    SpoolRecord() = default;
    ~SpoolRecord() { Close(); }
    SpoolRecord(const SpoolRecord&) = delete;
    SpoolRecord& operator=(const SpoolRecord&) = delete;

    // Creates the file, replacing one left from an earlier machine; the host errno on failure.
    int Create(const std::string& hostPath);
    // "key=value" and a line feed; line breaks inside the value become blanks.
    bool Line(std::string_view key, std::string_view value);
    // "key=<size>", a line feed, the bytes unchanged, a line feed.
    bool Block(std::string_view key, const void* data, size_t size);
    void Close();
    int LastErrno() const { return m_errno; }

private:
    bool WriteAll(const struct iovec* parts, int count);

    int m_fd = -1;
    int m_errno = 0;
};

#pragma GCC visibility pop
