// The two parameter blocks as callers hand them over: little-endian signed 32-bit integers,
// no padding. Ranges are written by the defaults call only and never read back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ccm {

constexpr int kPatchCount = 40;
constexpr int kZoneCount = 6;
constexpr int kHueSteps = 36;
constexpr int kTableSize = 228;

struct PatchValue {
    int32_t x;
    int32_t y;
};

struct PatchRange {
    int32_t xFirst;
    int32_t xLast;
    int32_t yFirst;
    int32_t yLast;
};

struct ColourBlock {
    int32_t mode;
    PatchValue value[kPatchCount];
    PatchRange range[kPatchCount];
    int32_t changed[kPatchCount];
};

struct Zone {
    int32_t hue;
    int32_t hueFromPrinter;
};

struct CoreBlock {
    int32_t mode;
    int32_t gamma[3];
    Zone zone[kZoneCount];
    int32_t level[kZoneCount];
};

static_assert(sizeof(ColourBlock) == 1124);
static_assert(offsetof(ColourBlock, range) == 324);
static_assert(offsetof(ColourBlock, changed) == 964);
static_assert(sizeof(CoreBlock) == 88);
static_assert(offsetof(CoreBlock, zone) == 16);
static_assert(offsetof(CoreBlock, level) == 64);

}  // namespace ccm
