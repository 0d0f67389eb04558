#include "vemrload/LanguageCode.h"

namespace vemrload {
namespace {

struct CodeEntry {
    LANGID id;
    const char* code;
};

// Languages whose sub-language decides the library.
constexpr CodeEntry kExact[] = {
    {0x0404, "CHT"}, {0x0C04, "CHT"}, {0x1404, "CHT"}, {0x0804, "CHS"}, {0x1004, "CHS"},
    {0x0416, "PTB"}, {0x0816, "PTG"}, {0x0809, "ENG"},
};

// Primary language (low ten bits of the id) to code.
constexpr CodeEntry kPrimary[] = {
    {0x01, "ARA"}, {0x02, "BGR"}, {0x03, "CAT"}, {0x04, "CHS"}, {0x05, "CSY"}, {0x06, "DAN"},
    {0x07, "DEU"}, {0x08, "ELL"}, {0x09, "ENU"}, {0x0A, "ESP"}, {0x0B, "FIN"}, {0x0C, "FRA"},
    {0x0D, "HEB"}, {0x0E, "HUN"}, {0x10, "ITA"}, {0x11, "JPN"}, {0x12, "KOR"}, {0x13, "NLD"},
    {0x14, "NOR"}, {0x15, "PLK"}, {0x16, "PTG"}, {0x18, "ROM"}, {0x19, "RUS"}, {0x1A, "HRV"},
    {0x1B, "SKY"}, {0x1D, "SVE"}, {0x1E, "THA"}, {0x1F, "TRK"}, {0x21, "IND"}, {0x22, "UKR"},
    {0x24, "SLV"}, {0x25, "ETI"}, {0x26, "LVI"}, {0x27, "LTH"}, {0x2A, "VIT"},
};

}  // namespace

const char* LanguageCode(LANGID language) {
    for (const auto& entry : kExact) {
        if (entry.id == language) return entry.code;
    }
    const LANGID primary = language & 0x3FF;
    for (const auto& entry : kPrimary) {
        if (entry.id == primary) return entry.code;
    }
    return nullptr;
}

}  // namespace vemrload
