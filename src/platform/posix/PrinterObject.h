// An open printer: the queue it names. Print jobs will hang off this object.
#pragma once

#include <string>

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class PrinterObject : public HandleObject {
public:
    explicit PrinterObject(std::string name) : m_name(std::move(name)) {}
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
};

#pragma GCC visibility pop
