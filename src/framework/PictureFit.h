// Which drawing of a picture a frame shows, and at what size. Pictures come drawn for screens of
// 100, 150 and 200 % (resource ids id, id + 100, id + 200); the frame takes the drawing nearest
// its size and shows it whole and in its own shape, never stretched out of it.
#pragma once

#include "framework/UiTypes.h"

namespace fw {

class PictureFit {
public:
    // The drawing for a frame: 100, 150 or 200 (percent), from the picture's size at 100 %.
    static int NearestPercent(SIZE base, SIZE frame);
    // The resource id of that drawing.
    static UINT ScaledId(UINT id, int percent) { return id + static_cast<UINT>((percent - 100) * 2); }
    // The size that shows a drawing of size drawn whole inside frame, in its own shape; {0, 0}
    // when its own size is within two pixels of that, so it is shown as drawn (centred).
    static SIZE LoadSize(SIZE drawn, SIZE frame);
    // Width and height of bitmap resource id in module, read from its header.
    static bool ResourceSize(HMODULE module, UINT id, SIZE* size);
};

}  // namespace fw
