// Sizes of the pictures the pages and dialogs show; each is stretched to its frame when shown.
#include "dialogs_enu/BitmapSizes.h"

#ifdef _WIN32
#define XV_EXPORT extern "C" __declspec(dllexport)
#else
#define XV_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

struct BitmapSize {
    unsigned int id;
    int width;
    int height;
};

constexpr BitmapSize kBitmaps[] = {
    {1500, 164, 314},  // side picture of every setting page
    {1501, 120, 120},  // hue and strength picture of the colour input dialog
    {1502, 96, 64},    // first page: colour balance
    {1503, 96, 64},    // first page: stored settings
    {1504, 240, 40},   // gamma page: gamma scale
    {1505, 80, 80},    // gamma zone pictures, first of the pair: blue
    {1506, 80, 80},    // cyan
    {1507, 80, 80},    // green
    {1508, 80, 80},    // magenta
    {1509, 80, 80},    // red
    {1510, 80, 80},    // yellow
    {1511, 80, 80},    // gamma zone pictures, second of the pair: blue
    {1512, 80, 80},    // cyan
    {1513, 80, 80},    // green
    {1514, 80, 80},    // magenta
    {1515, 80, 80},    // red
    {1516, 80, 80},    // yellow
    {1517, 120, 90},   // gamma curves, from the lightest to the darkest
    {1518, 120, 90},
    {1519, 120, 90},
    {1520, 120, 90},
    {1521, 120, 90},
    {1522, 120, 90},
    {1523, 96, 64},    // first page: gamma
};

}  // namespace

XV_EXPORT int XvGetBitmapSize(unsigned int id, int* width, int* height) {
    for (const auto& bitmap : kBitmaps) {
        if (bitmap.id != id) continue;
        if (width) *width = bitmap.width;
        if (height) *height = bitmap.height;
        return 1;
    }
    return 0;
}
