// A catalogue table text of the stand-in module's table size (228 bytes) that begins with the
// given hexadecimal digits, the rest zeros: stored and imported tables of any other length are
// refused as damaged.
//
//   "CCMNT4=" + FullTable("0A1B") + "\r\n"
#pragma once

#include <string>

inline std::string FullTable(const std::string& head)
{
    constexpr size_t digits = 2 * 228;
    return head.size() >= digits ? head : head + std::string(digits - head.size(), '0');
}
