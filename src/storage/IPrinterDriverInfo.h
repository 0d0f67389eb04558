// What the storage needs to know of a printer's driver to record and install profile files:
// its folder, its version and whether its model may be used over the network. The printer
// subsystem answers (CPrinterDriverInfo); the storage only asks.
#pragma once

#include <string>

#include "platform/win32api.h"

class IPrinterDriverInfo {
public:
    struct Driver {
        std::string folder;  // the driver file's folder, with its last backslash; "" none
        DWORD version = 0;
        bool networkAllowed = false;
    };

    virtual ~IPrinterDriverInfo() = default;

    // The driver of the printer; an empty folder when the printer or its driver is not found.
    virtual Driver Find(const std::string& printerName) const = 0;
};
