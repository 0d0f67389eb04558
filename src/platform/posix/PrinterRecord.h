// One printer of the simulated machine: a local queue or a connection to a server's queue.
#pragma once

#include <cstdint>
#include <string>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

struct PrinterRecord {
    std::string name;     // queue name; for a connection the name on its server
    std::string server;   // "\\SERVER" for a connection, empty for a local printer
    std::string shareName;
    std::string port = "LPT1:";
    std::string driver;
    std::string comment;
    std::string location;
    std::string printProcessor = "winprint";
    std::string datatype = "RAW";
    uint32_t attributes = 0x40;
    uint32_t status = 0;
    uint32_t driverExtra = 0;  // size of the driver-private device-mode area
    int16_t orientation = 1;
    int16_t paperSize = 9;
    int16_t printQuality = 600;
    int16_t color = 2;
    // When the simulated printer finishes a fully spooled job: after this many job queries
    // have reported it (0: at once, when its document ends), or never (-1).
    int32_t finishAfter = 0;
    // Unprintable margin on each side, in thousandths of an inch (portrait orientation).
    int32_t marginX = 167;
    int32_t marginY = 167;
    // Faults of the printer ("Faults=" words): no device context can be made for it, its
    // metafile documents are refused, its level-2 information cannot be read, its raw
    // documents cannot be ended, or it takes only part of each block written to it.
    bool failCreateDC = false;
    bool failStartDoc = false;
    bool failPrinterInfo = false;
    bool failEndDocPrinter = false;
    bool partialWrite = false;

    // The name the spooler shows: "\\SERVER\name" for a connection.
    std::string FullName() const { return server.empty() ? name : server + "\\" + name; }
};

#pragma GCC visibility pop
