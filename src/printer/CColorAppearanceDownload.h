// The PJL download that writes a setting's T and V tables into the printer in front of a raw
// test page, as the pieces the job writes one by one. The printer takes the number in a WRITE
// line as the count of table bytes that follow it: fewer bytes and it reads the page (or the
// next command) as table data, more and the rest of a table is read as commands. So both the
// size field of each line and the length of each table piece come from one announced size,
// and tables of any other length are refused before anything is sent.
#pragma once

#include <string>
#include <vector>

#include "platform/win32api.h"

class CColorAppearanceDownload {
public:
    // What the WRITE lines announce without a "DataSize" value: 0xE4 = 228 bytes.
    static constexpr DWORD builtInSize = 0xE4;

    // The announced size of a "DataSize" value: eight hexadecimal digits, optionally after an
    // "H" ("000000E4", "H000000E4"); empty gives builtInSize. False for any other text.
    static bool ParseSize(const std::string& sizeText, DWORD& size);

    // The pieces for the CCM version (3.31 and later add the job header lines) and the model's
    // "DataSize" text. False, with no pieces, when the size text is not a size field or the
    // tables are not exactly the announced size.
    bool Build(const std::string& version, const std::string& sizeText, const BYTE* tTable, const BYTE* vTable,
               DWORD tableLength);

    const std::vector<std::string>& Pieces() const { return m_pieces; }

private:
    std::vector<std::string> m_pieces;
};
