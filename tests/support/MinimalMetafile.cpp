#include "support/MinimalMetafile.h"

std::string MinimalMetafile(LONG frameRight, LONG frameBottom, DWORD signature)
{
    ENHMETAHEADER header{};
    header.iType = EMR_HEADER;
    header.nSize = sizeof header;
    header.rclFrame = {0, 0, frameRight, frameBottom};
    header.dSignature = signature;
    header.nVersion = 0x10000;
    header.nBytes = sizeof header + 20;
    header.nRecords = 2;
    header.nHandles = 1;
    const DWORD eof[5] = {14, 20, 0, 16, 20};  // EMR_EOF, its size, no palette entries
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(eof), sizeof eof);
    return bytes;
}
