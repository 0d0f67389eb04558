// The simulated print spooler: the printers and drivers of the machine description plus
// those installed at run time (kept in memory until the machine is reloaded).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DriverRecord.h"
#include "JobQueue.h"
#include "PrinterRecord.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MachineDescription;

class Spooler {
public:
    void Load(const MachineDescription& machine);

    const std::vector<PrinterRecord>& Printers() const { return m_printers; }
    // By the name the spooler shows ("\\SERVER\name" for a connection), without regard to case.
    const PrinterRecord* FindPrinter(std::string_view name) const;
    // environment empty: the machine's own.
    const DriverRecord* FindDriver(std::string_view name, std::string_view environment) const;
    // environment empty: the machine's own; "all": every environment.
    std::vector<const DriverRecord*> Drivers(std::string_view environment) const;

    void AddDriver(const DriverRecord& driver);  // replaces one of the same name and environment
    bool AddPrinter(const PrinterRecord& printer);  // false when the name is taken
    bool DeletePrinter(std::string_view name);

    // The printer's default device mode: public part and zero-filled private area.
    std::vector<uint8_t> DefaultDevMode(const PrinterRecord& printer) const;
    const std::string& Environment() const { return m_environment; }
    JobQueue& Jobs() { return m_jobs; }
    const JobQueue& Jobs() const { return m_jobs; }

private:
    std::string m_environment;
    std::vector<PrinterRecord> m_printers;
    std::vector<DriverRecord> m_drivers;
    JobQueue m_jobs;
};

#pragma GCC visibility pop
