// Base of everything a HANDLE of the platform layer stands for.
#pragma once

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class HandleObject {
public:
    virtual ~HandleObject() = default;
};

#pragma GCC visibility pop
