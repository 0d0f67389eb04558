// A module library for tests with the exports of the printer-model module and of the ICC
// module. It records every call with the bytes it received and answers from fixed patterns,
// so a test can check what the system hands over, byte for byte.
//
// Tests reach the record through the library's own "REC_" exports (RecordingClient.h); a test
// that keeps the library loaded keeps the record across the wrappers' load and free.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace recording {

constexpr int kMaxBlock = 1124;
constexpr int kMaxTable = 512;
constexpr int kDefaultTableSize = 228;

struct Call {
    char function[32];
    int32_t blockBytes;          // 1124 colour, 88 core, 24 profile request; 0 for a null block
    uint8_t block[kMaxBlock];    // as received, before the module wrote anything
    int32_t firstNull;           // T table (adjust) / output buffer (profile) was null
    int32_t secondNull;          // V table was null
    int32_t sizeIn;              // *size on entry; -1 for a null size pointer
    int32_t flag;
    int32_t tableBytes;          // bytes copied into tableT / tableV
    uint8_t tableT[kMaxTable];   // adjust: the buffers' prior contents; profile: the request's table
    uint8_t tableV[kMaxTable];
};

// What the defaults calls fill in.
inline int32_t DefaultX(int32_t mode, int patch) { return patch == 7 ? 0 : (patch * 5 + mode) % 36; }
inline int32_t DefaultY(int32_t mode, int patch) { return patch == 7 ? 0 : 10 + patch % 7 + mode; }
inline int32_t DefaultRange(int patch, int field) { return patch + 100 * field; }
inline int32_t DefaultGamma(int32_t mode) { return 150 + mode; }
inline int32_t DefaultHue(int32_t mode, int zone) { return zone - 3 + mode; }
inline int32_t DefaultHueFromPrinter(int zone) { return zone % 2; }
inline int32_t DefaultLevel(int32_t mode, int zone) { return 10 * zone + mode; }
inline int32_t PrinterHue(int zone) { return 40 + zone; }

// What the table calls write at position k (k < the table size).
inline uint8_t TByte(int k) { return static_cast<uint8_t>(k + 1); }
inline uint8_t VByte(int k) { return static_cast<uint8_t>(255 - k); }

// The profile answered for a request: text naming both resolutions and the table's first bytes.
inline std::string Profile(int32_t x, int32_t y, const uint8_t* table)
{
    char text[96];
    std::snprintf(text, sizeof text, "recorded profile %d x %d table %02X%02X%02X%02X", x, y, table[0], table[1],
                  table[2], table[3]);
    return text;
}

}  // namespace recording

// Inspection and settings exports of the recording library.
extern "C" {
using RecResetFn = void (*)();
using RecCallCountFn = int (*)();
using RecGetCallFn = int (*)(int index, recording::Call* out);
using RecSetIntFn = void (*)(int value);
}
