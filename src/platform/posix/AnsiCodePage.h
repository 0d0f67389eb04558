// The ANSI code page of the simulated machine (Windows-1252): how UTF-16 resource text
// becomes the narrow text the "A" functions return, and which of its bytes are one letter in
// two cases.
#pragma once

#include <string_view>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class AnsiCodePage {
public:
    // The byte for a UTF-16 code unit; '?' for characters the code page lacks.
    static char FromUtf16(char16_t c);
    // A letter in the other case when the code page has it there ("é" and "É", "ÿ" and "Ÿ");
    // any other byte as it is (µ and ß have no upper case in the code page).
    static char Upper(char c);
    static char Lower(char c);
    // Equal ignoring case as the profile functions compare section and key names.
    static bool EqualIgnoringCase(std::string_view a, std::string_view b);
};

#pragma GCC visibility pop
