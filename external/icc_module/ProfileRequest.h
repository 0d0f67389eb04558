// The request a caller passes with MPCA_GetCustomProfile (24 bytes on the 64-bit build).
#pragma once

#include <cstddef>
#include <cstdint>

namespace icc {

struct ProfileRequest {
    int32_t reserved;
    int32_t xResolution;
    int32_t yResolution;
    int32_t tableCount;
    const uint8_t* table;  // the printer-model module's T table
};

static_assert(sizeof(ProfileRequest) == 24);
static_assert(offsetof(ProfileRequest, table) == 16);

// The T table as the printer-model module writes it.
constexpr int kTableSize = 228;
constexpr int kCurveAt = 4;
constexpr int kCurveCount = 4;  // cyan, magenta, yellow, black
constexpr int kCurvePoints = 54;
static_assert(kCurveAt + kCurveCount * kCurvePoints + 8 == kTableSize);

}  // namespace icc
