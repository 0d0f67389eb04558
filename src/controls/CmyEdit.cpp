#include "controls/CmyEdit.h"

#include <cstdlib>

namespace {

const char kDigits[] = "0123456789ABCDEF";

// The value of a hexadecimal digit, or -1.
int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

DWORD CmyEdit::TextToNumber(const std::string& text)
{
    return static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 0));
}

DWORD CmyEdit::GetNumber() const
{
    return TextToNumber(GetWindowText());
}

void CmyEdit::BytesToHex(const BYTE* data, DWORD count, std::string& text)
{
    text.reserve(text.size() + 2 * static_cast<size_t>(count));
    for (DWORD i = 0; i < count; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
    }
}

void CmyEdit::HexToBytes(const std::string& text, std::vector<BYTE>& bytes)
{
    int high = 0;
    int low = 0;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        int value = DigitValue(text[i]);
        if (value >= 0) high = value;
        value = DigitValue(text[i + 1]);
        if (value >= 0) low = value;
        bytes.push_back(static_cast<BYTE>(high * 16 + low));
    }
}
