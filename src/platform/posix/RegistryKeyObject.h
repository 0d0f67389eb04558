// An open registry key: its full path and the values it held when it was opened.
#pragma once

#include <string>
#include <vector>

#include "HandleObject.h"
#include "RegistryHive.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class RegistryKeyObject : public HandleObject {
public:
    std::string path;  // canonical
    std::vector<RegistryHive::Value> values;
};

#pragma GCC visibility pop
