// One resource of a resource section: where its header and its data lie in the section.
#pragma once

#include <cstdint>

#include "ResourceName.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    uint16_t language = 0;
    const uint8_t* header = nullptr;  // identifies the entry: the HRSRC the platform hands out
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};

#pragma GCC visibility pop
