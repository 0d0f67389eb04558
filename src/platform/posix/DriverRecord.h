// One installed printer driver of the simulated machine, as the spooler reports it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

struct DriverRecord {
    std::string name;
    uint32_t version = 3;
    std::string environment;  // "Windows x64" unless the description says otherwise
    std::string driverPath;
    std::string dataFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitorName;
    std::string defaultDataType;
};

#pragma GCC visibility pop
