#include "framework/headless/PlatformPicture.h"

#include <algorithm>

namespace fw::headless {
namespace {

COLORREF FromDib(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

COLORREF Blend(COLORREF under, uint32_t pixel, unsigned alpha) {
    const auto mix = [alpha](unsigned top, unsigned bottom) { return (top * alpha + bottom * (255 - alpha) + 127) / 255; };
    return RGB(mix((pixel >> 16) & 0xFF, GetRValue(under)), mix((pixel >> 8) & 0xFF, GetGValue(under)),
               mix(pixel & 0xFF, GetBValue(under)));
}

// The memory device context GetDIBits reads through.
class MemoryDC {
public:
    MemoryDC() : m_dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryDC() {
        if (m_dc) DeleteDC(m_dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The bitmaps GetIconInfo hands over belong to the caller.
struct IconBitmaps {
    ICONINFO info{};
    bool valid = false;
    explicit IconBitmaps(HICON icon) : valid(icon && GetIconInfo(icon, &info)) {}
    ~IconBitmaps() {
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;
};

}  // namespace

std::optional<PlatformPicture::Bits> PlatformPicture::Read(HBITMAP bitmap) {
    BITMAP header{};
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) != sizeof(header)) return std::nullopt;
    if (header.bmWidth <= 0 || header.bmHeight <= 0) return std::nullopt;
    Bits bits;
    bits.width = header.bmWidth;
    bits.height = header.bmHeight;
    bits.pixels.assign(static_cast<size_t>(bits.width) * bits.height, 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bits.width;
    info.bmiHeader.biHeight = -bits.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const MemoryDC dc;
    const int lines = GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(bits.height), bits.pixels.data(), &info,
                                DIB_RGB_COLORS);
    if (lines != bits.height) return std::nullopt;
    return bits;
}

bool PlatformPicture::BitmapSize(HBITMAP bitmap, SIZE* size) {
    BITMAP header{};
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) != sizeof(header)) return false;
    *size = SIZE{header.bmWidth, header.bmHeight};
    return true;
}

bool PlatformPicture::IconSize(HICON icon, SIZE* size) {
    const IconBitmaps icons(icon);
    if (!icons.valid) return false;
    if (icons.info.hbmColor) return BitmapSize(icons.info.hbmColor, size);
    // A monochrome icon: its mask holds the AND half over the XOR half.
    if (!BitmapSize(icons.info.hbmMask, size)) return false;
    size->cy /= 2;
    return true;
}

std::optional<PixelBuffer> PlatformPicture::Pixels(HBITMAP bitmap) {
    const auto bits = Read(bitmap);
    if (!bits || bits->pixels.empty()) return std::nullopt;
    PixelBuffer pixels(bits->width, bits->height);
    for (int y = 0; y < bits->height; ++y) {
        for (int x = 0; x < bits->width; ++x) pixels.Set(x, y, FromDib(bits->pixels[static_cast<size_t>(y) * bits->width + x]));
    }
    return pixels;
}

bool PlatformPicture::DrawBitmap(PixelBuffer& target, HBITMAP bitmap, const RECT& rect) {
    const auto source = Pixels(bitmap);
    if (!source) return false;
    target.Stretch(*source, rect);
    return true;
}

bool PlatformPicture::DrawBitmapCentred(PixelBuffer& target, HBITMAP bitmap, const RECT& rect) {
    const auto source = Pixels(bitmap);
    if (!source) return false;
    target.Fill(rect, source->Get(0, 0));
    target.Blit(*source, rect.left + (rect.right - rect.left - source->Width()) / 2,
                rect.top + (rect.bottom - rect.top - source->Height()) / 2, &rect);
    return true;
}

bool PlatformPicture::DrawIcon(PixelBuffer& target, HICON icon, int left, int top) {
    const IconBitmaps icons(icon);
    if (!icons.valid) return false;
    const auto mask = Read(icons.info.hbmMask);
    if (!mask) return false;
    std::optional<Bits> colour = icons.info.hbmColor ? Read(icons.info.hbmColor) : std::nullopt;
    const int width = mask->width;
    const int height = colour ? colour->height : mask->height / 2;
    if (colour && colour->width != width) return false;
    const bool alpha = colour && std::any_of(colour->pixels.begin(), colour->pixels.end(),
                                             [](uint32_t pixel) { return (pixel >> 24) != 0; });
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!target.Contains(left + x, top + y)) continue;
            const size_t at = static_cast<size_t>(y) * width + x;
            const COLORREF under = target.Get(left + x, top + y);
            // Without a colour bitmap the XOR half follows the AND half in the mask.
            const uint32_t pixel = colour ? colour->pixels[at] : mask->pixels[at + static_cast<size_t>(height) * width];
            unsigned opacity = 255;
            if (alpha) opacity = pixel >> 24;
            else if ((mask->pixels[at] & 0x00FFFFFF) != 0) opacity = 0;  // a set AND bit: see-through
            if (opacity == 0) continue;
            target.Set(left + x, top + y, Blend(under, pixel, opacity));
        }
    }
    return true;
}

}  // namespace fw::headless
