// Windows paths of the simulated machine and the host paths they stand for.
// Full paths: drive letters, "\x" rooted on the current drive, relative paths against the
// simulated current directory, "." and "..", repeated backslashes. Host components are
// matched as Windows matches names: the exact name first, else a case-insensitive scan.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MachineDescription;

class PathMapper {
public:
    struct Resolved {
        uint32_t error = 0;        // 0, or the Windows error for a path that cannot be mapped
        std::string windowsPath;   // full Windows path
        std::string host;          // host path (as given where components are missing)
        std::string hostParent;    // host folder holding the last component
        std::string lastName;      // the last component, as on disk when it exists
        bool parentExists = false; // every folder above the last component exists
        bool exists = false;
        bool isDirectory = false;
        bool isRoot = false;
    };

    PathMapper(const MachineDescription& machine, std::string currentDirectory);

    // Full Windows path, or empty when the path cannot be made one (e.g. a network path).
    std::string FullPath(std::string_view path) const;
    // allowWildcards: '*' and '?' are accepted in the last component (search patterns).
    Resolved Resolve(std::string_view path, bool allowWildcards = false) const;

    // The error Windows reports when an existing file was expected at a resolved path.
    static uint32_t MissingError(const Resolved& r) { return r.error ? r.error : (r.parentExists ? 2 : 3); }
    static std::string JoinHost(const std::string& folder, const std::string& name);
    // A name in a host folder matching without regard to case (exact match first); empty if none.
    static std::string FindNoCase(const std::string& folder, const std::string& name);
    // As FindNoCase, by reading the folder only: for a name known not to be there as written.
    static std::string ScanNoCase(const std::string& folder, const std::string& name);

private:
    const MachineDescription& m_machine;
    std::string m_current;
};

#pragma GCC visibility pop
