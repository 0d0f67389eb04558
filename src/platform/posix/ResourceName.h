// The type or name of a resource: an integer id, or a name compared without regard to case
// (Windows stores names in upper case and upper-cases the names it is asked for).
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class ResourceName {
public:
    ResourceName() = default;
    static ResourceName Id(uint16_t id);
    // An argument of FindResourceA: MAKEINTRESOURCEA(id), "#123" (the id 123) or a name.
    static ResourceName FromArgument(LPCSTR argument);
    // A name as the resource section stores it: UTF-16 code units.
    static ResourceName FromUtf16(std::u16string name);

    bool IsId() const { return m_isId; }
    uint16_t IdValue() const { return m_id; }
    bool operator==(const ResourceName& other) const;

private:
    bool m_isId = true;
    uint16_t m_id = 0;
    std::u16string m_name;  // upper case
};

#pragma GCC visibility pop
