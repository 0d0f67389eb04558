// The ANSI code page of the simulated machine (Windows-1252): how UTF-16 resource text
// becomes the narrow text the "A" functions return.
#pragma once

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class AnsiCodePage {
public:
    // The byte for a UTF-16 code unit; '?' for characters the code page lacks.
    static char FromUtf16(char16_t c);
};

#pragma GCC visibility pop
