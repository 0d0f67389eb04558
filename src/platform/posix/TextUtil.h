// Small text helpers shared by the platform layer: Windows-style case-insensitive
// comparison, blank trimming, wildcard matching and number parsing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class TextUtil {
public:
    static char Lower(char c);
    static std::string Lower(std::string_view text);
    static bool EqualNoCase(std::string_view a, std::string_view b);
    static bool IsBlank(char c);
    static std::string Trim(std::string_view text);
    static std::string TrimRight(std::string_view text);
    // '*' and '?' as FindFirstFileA matches them; "*.*" matches every name.
    static bool WildcardMatch(std::string_view pattern, std::string_view name);
    static bool HasWildcard(std::string_view text);
    // Decimal, or hexadecimal with a 0x prefix; fallback when empty or malformed.
    static uint32_t ParseNumber(std::string_view text, uint32_t fallback);
    static std::vector<std::string> Split(std::string_view text, char separator);
};

#pragma GCC visibility pop
