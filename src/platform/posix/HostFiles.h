// Host file-system work shared by the kernel32 entry points, with host errors turned into
// the codes Windows reports.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

class WriteFaults;

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class HostFiles {
public:
    // Windows error for a failed host call; missing paths give 2 or 3 by whether the parent exists.
    static uint32_t ErrorOf(int hostErrno, bool parentExists = true);
    // Read-only as Windows sees it: the owner may not write.
    static bool IsReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }
    // A folder whose owner write bit is clear takes no new, renamed or removed entries, even
    // for root (who could otherwise write anywhere): it stands for a folder the user may not change.
    static bool FolderRefuses(const std::string& hostEntry);  // the folder holding hostEntry
    static bool ReadAll(const std::string& host, std::string& bytes, int& hostErrno);
    // Replaces the whole file: the bytes go to a new file beside it, which is then renamed over
    // it, so a failure at any step leaves the old file as it was and no new file behind; where
    // the host allows unnamed files, a process that ends at any step leaves none either.
    // A fault switch, when given, is asked before each of the four steps: the new file, its
    // bytes, their flush and the rename.
    static bool Replace(const std::string& host, const std::string& bytes, int& hostErrno,
                        WriteFaults* faults = nullptr);
    // Copies contents, permission bits (so the read-only attribute) and modification time into
    // a new file beside the destination, then renames it over the destination, so a failure
    // leaves the old destination as it was and no new file behind. A fault switch, when given,
    // is asked before each of the three steps: the new file, its bytes and the rename. The
    // bytes copied are left in copied, when given.
    static bool Copy(const std::string& source, const std::string& destination, int& hostErrno,
                     WriteFaults* faults = nullptr, std::string* copied = nullptr);
    static bool SameFile(const std::string& a, const std::string& b);
    // Makes a rename or a new entry in the folder holding hostEntry durable.
    static void SyncFolder(const std::string& hostEntry);
};

#pragma GCC visibility pop
