// The catalogue's text form of a T or V table: every byte as two upper-case hexadecimal
// digits, in buffer order, no separators. Reading accepts either case.
#pragma once

#include <string>
#include <vector>

#include "platform/win32api.h"

class CTableText {
public:
    static std::string Encode(const BYTE* bytes, int length);
    // False for a text of odd length or with a character that is no hexadecimal digit.
    static bool Decode(const std::string& text, std::vector<BYTE>& bytes);
};
