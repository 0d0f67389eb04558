#include "ccm_module/ZoneDefaults.h"

namespace ccm {
namespace {

constexpr int kModeCycle = 8;
constexpr int32_t kGammaByMode[kModeCycle] = {220, 180, 240, 200, 160, 140, 230, 190};
constexpr int kPrinterHue[kZoneCount] = {-4, 6, -8, 3, 9, -2};

}  // namespace

int PrinterHue(int zone)
{
    return zone >= 0 && zone < kZoneCount ? kPrinterHue[zone] : 0;
}

CoreBlock DefaultCore(int mode)
{
    const int m = ((mode % kModeCycle) + kModeCycle) % kModeCycle;
    CoreBlock block{};
    block.mode = mode;
    for (int32_t& gamma : block.gamma) {
        gamma = kGammaByMode[m];
    }
    for (int z = 0; z < kZoneCount; ++z) {
        const bool fromPrinter = (m + z) % 5 == 0;
        block.zone[z].hueFromPrinter = fromPrinter ? 1 : 0;
        block.zone[z].hue = fromPrinter ? PrinterHue(z) : (m * 7 + z * 11) % 21 - 10;
        block.level[z] = (20 + 3 * m + 5 * z) % 51;
    }
    return block;
}

}  // namespace ccm
