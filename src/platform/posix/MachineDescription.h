// The simulated machine as its description file tells it (see MachineDescription.md).
// Paths are Windows paths except the host folders of [Drives] and LibraryPath.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "DriverRecord.h"
#include "PrinterRecord.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MachineDescription {
public:
    // Reads the file named by TAVREL_MACHINE, or sets up the default machine when unset.
    void Load();
    // Parses description text; relative host folders are taken against baseFolder.
    void LoadText(const std::string& text, const std::string& baseFolder);

    std::map<char, std::string> drives;  // upper-case letter -> host folder
    std::string computerName;
    std::string exePath;
    std::string currentDirectory;
    bool administrator = true;
    bool elevated = true;  // false: an administrator's filtered token (Administrators deny-only)
    uint16_t uiLanguage = 0x0409;
    std::vector<std::string> libraryPath;  // host folders
    std::string windowsFolder;
    std::string tempPath;  // with a trailing backslash
    std::string spoolFolder;
    std::string userName;  // owner of print jobs
    std::string environment = "Windows x64";
    std::string driverDirectory;

    uint32_t platformId = 2;
    uint32_t majorVersion = 10;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 19041;
    std::string csdVersion;

    // [Faults]: the write that fails (1 = the first after a reload; 0 none) and the bytes
    // that may be written before the disk is full.
    uint32_t failWrite = 0;
    // The write after which the process ends with exit code 3, as at a power loss; 0 none.
    uint32_t stopAfterWrite = 0;
    uint64_t diskFullAfter = UINT64_MAX;
    // The file (Windows path) whose reads fail with ERROR_READ_FAULT; empty: none.
    std::string failReadOf;

    std::vector<DriverRecord> drivers;
    std::vector<PrinterRecord> printers;

    // Windows path of a host path through the drive whose folder holds it (longest match).
    std::string WindowsPathOf(const std::string& hostPath) const;
    // "immediately" -> 0, "after N queries" (or "N") -> N, "never" -> -1; fallback otherwise.
    static int32_t ParseFinishRule(const std::string& text, int32_t fallback);
    // "CreateDC StartDoc PrinterInfo EndDocPrinter PartialWrite" (blanks or commas between, any
    // case) -> the printer's faults.
    static void ParsePrinterFaults(const std::string& text, PrinterRecord& printer);

private:
    void Reset();
    void FillDefaults();
};

#pragma GCC visibility pop
