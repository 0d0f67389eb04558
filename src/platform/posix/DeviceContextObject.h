// A printer device context: the printer, the device mode it was made with, its geometry and
// the document it is printing, if any.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HandleObject.h"
#include "PrinterGeometry.h"
#include "PrinterRecord.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class DeviceContextObject : public HandleObject {
public:
    DeviceContextObject(const PrinterRecord& printer, std::vector<uint8_t> devMode)
        : m_printer(printer.FullName()), m_devMode(std::move(devMode)), m_geometry(printer, m_devMode)
    {
    }

    const std::string& Printer() const { return m_printer; }
    const std::vector<uint8_t>& DevMode() const { return m_devMode; }
    const PrinterGeometry& Geometry() const { return m_geometry; }
    uint32_t JobId() const { return m_jobId; }  // 0: no document started
    void SetJobId(uint32_t id) { m_jobId = id; }

private:
    std::string m_printer;
    std::vector<uint8_t> m_devMode;
    PrinterGeometry m_geometry;
    uint32_t m_jobId = 0;
};

#pragma GCC visibility pop
