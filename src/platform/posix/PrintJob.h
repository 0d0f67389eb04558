// One job of the simulated spooler: what GetJobA reports about it and the record it writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SpoolRecord.h"
#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

struct PrintJob {
    uint32_t id = 0;
    std::string printer;  // the name the spooler shows
    std::string driver;
    std::string printProcessor;
    std::string document;
    std::string datatype;
    std::string outputFile;
    std::string machine;  // "\\COMPUTER"
    std::string user;
    std::vector<uint8_t> devMode;
    SYSTEMTIME submitted{};
    uint32_t size = 0;    // bytes spooled
    uint32_t pages = 0;   // pages ended
    bool spooling = true; // the document has not ended yet
    bool paused = false;
    bool deleting = false;  // deleted while spooling: goes when the document ends
    int32_t finishAfter = 0;  // the printer's rule (PrinterRecord::finishAfter)
    uint32_t reports = 0;     // queries that reported the job since its document ended
    std::string deliverHost;  // host file that receives the raw bytes when printed
    std::string bytes;        // the raw bytes, kept only when they are delivered
    std::string recordPath;   // Windows path of the record
    SpoolRecord record;
};

#pragma GCC visibility pop
