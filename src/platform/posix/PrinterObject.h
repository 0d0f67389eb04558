// An open printer: the queue it names and the raw job it is writing, if any.
#pragma once

#include <cstdint>
#include <string>

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class PrinterObject : public HandleObject {
public:
    explicit PrinterObject(std::string name) : m_name(std::move(name)) {}
    const std::string& Name() const { return m_name; }
    uint32_t JobId() const { return m_jobId; }  // 0: no document started
    void SetJobId(uint32_t id) { m_jobId = id; }

private:
    std::string m_name;
    uint32_t m_jobId = 0;
};

#pragma GCC visibility pop
