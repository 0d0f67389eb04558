// Edit control: numbers typed as text, and the hexadecimal text form of byte tables.
#pragma once

#include <string>
#include <vector>

#include "framework/CEdit.h"

class CmyEdit : public CEdit {
public:
    ~CmyEdit() override = default;

    // The text read as strtoul with base 0 reads it (decimal, 0x hexadecimal, 0 octal).
    DWORD GetNumber() const;

    // Appends two upper-case hexadecimal digits per byte.
    static void BytesToHex(const BYTE* data, DWORD count, std::string& text);
    // Appends one byte per pair of digits; a character that is no digit keeps the value that
    // digit had in the pair before. A lone last digit is ignored.
    static void HexToBytes(const std::string& text, std::vector<BYTE>& bytes);

    // The number in text, as GetNumber reads a control's text.
    static DWORD TextToNumber(const std::string& text);
};
