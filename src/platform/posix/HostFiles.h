// Host file-system work shared by the kernel32 entry points, with host errors turned into
// the codes Windows reports.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class HostFiles {
public:
    // Windows error for a failed host call; missing paths give 2 or 3 by whether the parent exists.
    static uint32_t ErrorOf(int hostErrno, bool parentExists = true);
    // Read-only as Windows sees it: the owner may not write.
    static bool IsReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }
    static bool ReadAll(const std::string& host, std::string& bytes, int& hostErrno);
    static bool WriteAll(const std::string& host, const std::string& bytes, int& hostErrno);
    static bool Rewrite(const std::string& host, const std::string& bytes, int& hostErrno);  // in place, then cut to size
    // Copies contents, permission bits (so the read-only attribute) and modification time.
    static bool Copy(const std::string& source, const std::string& destination, int& hostErrno);
    static bool SameFile(const std::string& a, const std::string& b);
};

#pragma GCC visibility pop
