#include "storage/CTableText.h"

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string CTableText::Encode(const BYTE* bytes, int length)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    if (bytes == nullptr || length <= 0) return text;
    text.reserve(static_cast<size_t>(length) * 2);
    for (int i = 0; i < length; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

bool CTableText::Decode(const std::string& text, std::vector<BYTE>& bytes)
{
    bytes.clear();
    if (text.size() % 2 != 0) return false;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = DigitValue(text[i]);
        int low = DigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            bytes.clear();
            return false;
        }
        bytes.push_back(static_cast<BYTE>(high << 4 | low));
    }
    return true;
}
