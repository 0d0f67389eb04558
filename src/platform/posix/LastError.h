// The calling thread's last error, as kernel32 keeps it.
#pragma once

#include <cstdint>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class LastError {
public:
    static uint32_t Get();
    static void Set(uint32_t code);
    // Sets the code and returns value: "return LastError::Fail(5, FALSE);".
    template <class T>
    static T Fail(uint32_t code, T value)
    {
        Set(code);
        return value;
    }
};

#pragma GCC visibility pop
