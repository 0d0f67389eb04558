// Pictures of the system (bitmaps from LoadImageA, icons from LoadIconA/LoadImageA) drawn on
// headless pixels: their real pixels, read with GetObjectA and GetDIBits (icons through
// GetIconInfo, with their mask or alpha), so snapshots show what the resources hold.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/UiTypes.h"
#include "framework/headless/PixelBuffer.h"

namespace fw::headless {

class PlatformPicture {
public:
    // The size of a bitmap; false when the handle is no bitmap.
    static bool BitmapSize(HBITMAP bitmap, SIZE* size);
    // The size of an icon; false when the handle is no icon.
    static bool IconSize(HICON icon, SIZE* size);
    // The bitmap scaled to fill rect (nearest pixel); false when it cannot be read.
    static bool DrawBitmap(PixelBuffer& target, HBITMAP bitmap, const RECT& rect);
    // The bitmap at its own size centred in rect, the rest of rect in its top-left pixel's
    // colour, as a picture control with SS_CENTERIMAGE shows it.
    static bool DrawBitmapCentred(PixelBuffer& target, HBITMAP bitmap, const RECT& rect);
    // The icon at its own size with its top left at (x, y), blended by its alpha or mask.
    static bool DrawIcon(PixelBuffer& target, HICON icon, int x, int y);

private:
    // Top-down 32-bit pixels, 0xAARRGGBB as the system's DIBs hold them.
    struct Bits {
        int width = 0;
        int height = 0;
        std::vector<uint32_t> pixels;
    };
    static std::optional<Bits> Read(HBITMAP bitmap);
    // The bitmap's pixels; nothing when it cannot be read or is empty.
    static std::optional<PixelBuffer> Pixels(HBITMAP bitmap);
};

}  // namespace fw::headless
