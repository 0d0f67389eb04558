// The print jobs of the simulated spooler, in the order they were started. A job stays queued
// after its document ended until the printer finishes it: at once, after a number of queries
// that reported it, on SimMachineFinishJob, or never (the printer's FinishJobs rule).
// Every state change is appended to the job's record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "PrintJob.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MachineState;
struct PrinterRecord;

class JobQueue {
public:
    struct Request {
        std::string document;
        std::string outputFile;
        std::string datatype;
        std::vector<uint8_t> devMode;
        bool raw = true;  // raw bytes: delivered to the output file or a file port when printed
    };

    void Clear()
    {
        m_jobs.clear();
        m_lastId = 0;
    }
    // Starts a job and writes its record header; null with the Windows error on failure.
    PrintJob* Start(MachineState& state, const PrinterRecord& printer, const Request& request, uint32_t& error);
    PrintJob* Find(uint32_t id);
    std::vector<PrintJob*> OfPrinter(std::string_view printer);
    uint32_t CountOf(std::string_view printer) const;
    // 1-based place of the job among its printer's jobs.
    uint32_t PositionOf(const PrintJob& job) const;

    // The document ended: the job is queued (or gone when the rule or a deletion says so).
    void EndDocument(uint32_t id);
    void Abort(uint32_t id);
    void Delete(uint32_t id);
    // Printed: the bytes go out and the job leaves the queue. False while it is spooling.
    bool Finish(uint32_t id);
    // A query reported the job: counts towards the printer's rule once the document ended.
    void Reported(uint32_t id);
    void Pause(uint32_t id);
    void Resume(uint32_t id);
    void Restart(uint32_t id);

private:
    void Remove(uint32_t id, std::string_view state);
    void FinishIfDue(PrintJob& job);

    std::vector<std::unique_ptr<PrintJob>> m_jobs;
    uint32_t m_lastId = 0;
};

#pragma GCC visibility pop
