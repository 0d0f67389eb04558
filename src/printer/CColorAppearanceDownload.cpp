#include "printer/CColorAppearanceDownload.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Colour-correction versions from 3.31 on announce the download with the job header lines.
constexpr long kExtendedVersion = 331;
constexpr size_t kSizeDigits = 8;

const char kEscape[] = "\x1B";
const char kUniversalExit[] = "%-12345X";
const char kAccessCode[] = "5c0d2e41a98b7f3316e4d0a2b7c95f18e2d64a03";
const char kWriteNT[] = "@PJL ZANWRITE LOCATE:COLORAPPEARANCENT DATA=";
const char kWriteNV[] = "@PJL ZANWRITE LOCATE:COLORAPPEARANCENV DATA=";

// "3.31" -> 331: dots removed, leading digits read as strtol reads them.
long VersionNumber(const std::string& version)
{
    std::string digits;
    for (char c : version) {
        if (c != '.') digits += c;
    }
    return std::strtol(digits.c_str(), nullptr, 10);
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The WRITE line announcing size bytes, written from the number itself.
std::string WriteLine(const char* head, DWORD size)
{
    char field[16];
    std::snprintf(field, sizeof field, "H%08X", static_cast<unsigned>(size));
    return std::string(head) + field + "\n";
}

}  // namespace

bool CColorAppearanceDownload::ParseSize(const std::string& sizeText, DWORD& size)
{
    if (sizeText.empty()) {
        size = builtInSize;
        return true;
    }
    const std::string digits = sizeText.size() == kSizeDigits + 1 && sizeText[0] == 'H' ? sizeText.substr(1) : sizeText;
    if (digits.size() != kSizeDigits) return false;
    for (char c : digits) {
        if (!IsHexDigit(c)) return false;
    }
    size = static_cast<DWORD>(std::strtoul(digits.c_str(), nullptr, 16));
    return true;
}

bool CColorAppearanceDownload::Build(const std::string& version, const std::string& sizeText, const BYTE* tTable,
                                     const BYTE* vTable, DWORD tableLength)
{
    m_pieces.clear();
    DWORD announced = 0;
    if (!ParseSize(sizeText, announced) || announced == 0 || announced != tableLength || tTable == nullptr || vTable == nullptr) {
        return false;
    }
    // Each table piece is cut to the announced size, the same number its line carries.
    const auto* t = reinterpret_cast<const char*>(tTable);
    const auto* v = reinterpret_cast<const char*>(vTable);
    m_pieces = {kEscape, kUniversalExit};
    if (VersionNumber(version) >= kExtendedVersion) {
        const std::string quotedCode = std::string("\"") + kAccessCode + "\"";
        m_pieces.insert(m_pieces.end(), {"@PJL JOB\r\n", "@PJL ZANUSERREQUIREMENT LANGUAGE=MJL\r\n",
                                         "@PJL ZANACCESSCONTROL ID=" + quotedCode + " TYPE=1\r\n",
                                         "@PJL ZANLOGIN AUTHTYPE=1 PIN=" + quotedCode + " TYPE=1\r\n",
                                         "@PJL ZANMFPJOB TYPE=PCPRINTJOB\r\n", "@PJL ZANENDOFSYSTEMCOMMAND\r\n"});
    }
    m_pieces.insert(m_pieces.end(), {WriteLine(kWriteNT, announced), std::string(t, announced), kEscape,
                                     kUniversalExit, WriteLine(kWriteNV, announced), std::string(v, announced),
                                     kEscape, kUniversalExit});
    return true;
}
