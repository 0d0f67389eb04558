#include "AnsiCodePage.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The letters in two cases: a-z, à-þ but the division sign, and Š š, Œ œ, Ž ž, Ÿ ÿ. Profile
// names are compared through these tables, so they are made once, at compile time.
constexpr unsigned char UpperOf(unsigned b)
{
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<unsigned char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<unsigned char>(b - 0x10);
    return b == 0xFF ? 0x9F : static_cast<unsigned char>(b);
}

constexpr unsigned char LowerOf(unsigned b)
{
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<unsigned char>(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<unsigned char>(b + 0x10);
    return b == 0x9F ? 0xFF : static_cast<unsigned char>(b);
}

struct CaseTables {
    unsigned char upper[256];
    unsigned char lower[256];
    constexpr CaseTables() : upper(), lower()
    {
        for (unsigned b = 0; b < 256; ++b) {
            upper[b] = UpperOf(b);
            lower[b] = LowerOf(b);
        }
    }
};

constexpr CaseTables kCase;

}  // namespace

char AnsiCodePage::FromUtf16(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    // The undefined bytes map to the same C1 controls, as Windows maps them.
    if (c >= 0x80 && c <= 0x9F && !kHighControls[c - 0x80]) return static_cast<char>(c);
    return '?';
}

char AnsiCodePage::Upper(char c)
{
    return static_cast<char>(kCase.upper[static_cast<unsigned char>(c)]);
}

char AnsiCodePage::Lower(char c)
{
    return static_cast<char>(kCase.lower[static_cast<unsigned char>(c)]);
}

bool AnsiCodePage::EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (kCase.upper[static_cast<unsigned char>(a[i])] != kCase.upper[static_cast<unsigned char>(b[i])]) return false;
    return true;
}
