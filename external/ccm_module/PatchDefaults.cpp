#include "ccm_module/PatchDefaults.h"

#include <algorithm>
#include <cmath>

namespace ccm {
namespace {

// Fill colours of the palette patches, 0x00BBGGRR, in patch order.
constexpr uint32_t kPatchColour[kPatchCount] = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x969696,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF,
};

constexpr int kXReach = 3;   // steps either side of the default hue
constexpr int kYReach = 5;   // steps either side of the default chroma
constexpr int kYLowest = 1;
constexpr int kYHighest = 24;

int NonNegative(int value, int modulus)
{
    int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

// Hue of a patch colour as a step of 10 degrees, and its chroma as a step of 1/20.
void HueAndChroma(uint32_t colour, int& hueStep, int& chromaStep)
{
    const double r = (colour & 0xFF) / 255.0;
    const double g = ((colour >> 8) & 0xFF) / 255.0;
    const double b = ((colour >> 16) & 0xFF) / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double chroma = high - low;
    double hue = 0.0;
    if (chroma > 0.0) {
        if (high == r) {
            hue = 60.0 * std::fmod((g - b) / chroma + 6.0, 6.0);
        } else if (high == g) {
            hue = 60.0 * ((b - r) / chroma + 2.0);
        } else {
            hue = 60.0 * ((r - g) / chroma + 4.0);
        }
    }
    hueStep = NonNegative(static_cast<int>(std::lround(hue / 10.0)), kHueSteps);
    chromaStep = static_cast<int>(std::lround(chroma * 20.0));
}

}  // namespace

bool IsFixedPatch(int patch)
{
    const uint32_t c = kPatchColour[patch];
    return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
}

PatchDefault DefaultPatch(int mode, int patch)
{
    PatchDefault d{};
    if (patch < 0 || patch >= kPatchCount || IsFixedPatch(patch)) {
        return d;
    }
    int hue = 0;
    int chroma = 0;
    HueAndChroma(kPatchColour[patch], hue, chroma);
    const int y = std::clamp(chroma + NonNegative(mode, 3), kYLowest + 2, kYHighest - 2);
    d.value = {hue, y};
    // x ranges wrap at the top of the circle for the reds and magentas.
    d.range.xFirst = NonNegative(hue - kXReach, kHueSteps);
    d.range.xLast = NonNegative(hue + kXReach, kHueSteps);
    d.range.yFirst = std::max(kYLowest, y - kYReach);
    d.range.yLast = std::min(kYHighest, y + kYReach);
    return d;
}

int HueDistance(int from, int to)
{
    int d = static_cast<int>(((int64_t{to} - from) % kHueSteps + kHueSteps) % kHueSteps);
    return d >= kHueSteps / 2 ? d - kHueSteps : d;
}

}  // namespace ccm
