#include "DibImage.h"

#include "platform/win32api.h"

namespace {

constexpr uint64_t kMaxPixels = uint64_t{1} << 26;  // far beyond any picture a dialog shows

uint32_t Dword(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint64_t Stride(uint64_t width, uint64_t bits)
{
    return (width * bits + 31) / 32 * 4;
}

// A colour channel under a bit mask, scaled to 0..255.
uint32_t Channel(uint32_t value, uint32_t mask)
{
    if (!mask) return 0;
    int shift = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    const uint32_t raw = (value >> shift) & mask;
    return mask == 0 ? 0 : static_cast<uint32_t>((static_cast<uint64_t>(raw) * 255 + mask / 2) / mask);
}

struct Layout {
    int64_t width = 0;
    int64_t height = 0;  // of the picture (icons: half the header's)
    bool topDown = false;
    int bits = 0;
    uint32_t compression = BI_RGB;
    uint32_t masks[3] = {0, 0, 0};
    std::vector<uint32_t> palette;
    size_t pixelsAt = 0;
};

bool ReadLayout(const uint8_t* bytes, size_t size, bool icon, Layout& out)
{
    if (!bytes || size < 4) return false;
    const uint32_t headerSize = Dword(bytes);
    size_t paletteEntry = 4;
    uint32_t colorsUsed = 0;
    if (headerSize == 12) {  // BITMAPCOREHEADER
        if (size < 12) return false;
        out.width = Word(bytes + 4);
        out.height = static_cast<int16_t>(Word(bytes + 6));
        out.bits = Word(bytes + 10);
        paletteEntry = 3;
    } else {
        if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > size) return false;
        out.width = static_cast<int32_t>(Dword(bytes + 4));
        out.height = static_cast<int32_t>(Dword(bytes + 8));
        out.bits = Word(bytes + 14);
        out.compression = Dword(bytes + 16);
        colorsUsed = Dword(bytes + 32);
    }
    if (out.height < 0) {
        if (icon) return false;
        out.topDown = true;
        out.height = -out.height;
    }
    if (icon) out.height /= 2;
    if (out.width <= 0 || out.height <= 0 || static_cast<uint64_t>(out.width) * out.height > kMaxPixels) return false;
    switch (out.bits) {
        case 1: case 4: case 8: case 24:
            if (out.compression != BI_RGB) return false;
            break;
        case 16: case 32:
            if (out.compression != BI_RGB && out.compression != BI_BITFIELDS) return false;
            break;
        default:
            return false;
    }
    size_t at = headerSize;
    if (out.compression == BI_BITFIELDS) {
        // The masks follow a plain header; larger headers carry them inside.
        if (size - at < (headerSize == sizeof(BITMAPINFOHEADER) ? 12u : 0u) || size < 40 + 12) return false;
        for (int i = 0; i < 3; ++i) out.masks[i] = Dword(bytes + 40 + 4 * i);
        if (headerSize == sizeof(BITMAPINFOHEADER)) at += 12;
    } else if (out.bits == 16) {
        out.masks[0] = 0x7C00;
        out.masks[1] = 0x03E0;
        out.masks[2] = 0x001F;
    }
    if (out.bits <= 8) {
        const uint64_t most = uint64_t{1} << out.bits;
        const uint64_t count = colorsUsed == 0 || colorsUsed > most ? most : colorsUsed;
        if ((size - at) / paletteEntry < count) return false;
        for (uint64_t i = 0; i < count; ++i) {
            const uint8_t* p = bytes + at + i * paletteEntry;
            out.palette.push_back(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                  static_cast<uint32_t>(p[2]) << 16);
        }
        at += count * paletteEntry;
    } else if (colorsUsed && headerSize != 12) {
        // A colour table may follow even without indexed pixels; it only takes room.
        if ((size - at) / 4 < colorsUsed) return false;
        at += static_cast<size_t>(colorsUsed) * 4;
    }
    out.pixelsAt = at;
    return true;
}

uint32_t ReadPixel(const Layout& layout, const uint8_t* row, int64_t x)
{
    switch (layout.bits) {
        case 1:
        case 4:
        case 8: {
            const int64_t bit = x * layout.bits;
            const uint32_t byte = row[bit / 8];
            const uint32_t index = (byte >> (8 - layout.bits - bit % 8)) & ((1u << layout.bits) - 1);
            return index < layout.palette.size() ? layout.palette[index] : 0;
        }
        case 16: {
            const uint32_t v = Word(row + 2 * x);
            return Channel(v, layout.masks[0]) << 16 | Channel(v, layout.masks[1]) << 8 | Channel(v, layout.masks[2]);
        }
        case 24:
            return static_cast<uint32_t>(row[3 * x]) | static_cast<uint32_t>(row[3 * x + 1]) << 8 |
                   static_cast<uint32_t>(row[3 * x + 2]) << 16;
        default: {
            const uint32_t v = Dword(row + 4 * x);
            if (layout.compression != BI_BITFIELDS) return v;
            return Channel(v, layout.masks[0]) << 16 | Channel(v, layout.masks[1]) << 8 | Channel(v, layout.masks[2]);
        }
    }
}

struct Sample {
    int first;
    int second;
    int64_t weight;  // of the second, out of scale
    int64_t scale;
};

Sample SampleAt(int index, int count, int sourceCount)
{
    const int64_t position = static_cast<int64_t>(index) * sourceCount;
    const int first = static_cast<int>(position / count);
    const int second = first + 1 < sourceCount ? first + 1 : first;
    return {first, second, position % count, count};
}

uint32_t Blend(uint32_t a, uint32_t b, int64_t weight, int64_t scale)
{
    if (weight == 0 || a == b) return a;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int64_t ca = (a >> shift) & 0xFF;
        const int64_t cb = (b >> shift) & 0xFF;
        out |= static_cast<uint32_t>((ca * (scale - weight) + cb * weight + scale / 2) / scale) << shift;
    }
    return out;
}

}  // namespace

DibImage::DibImage(int width, int height, uint32_t fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
}

bool DibImage::Decode(const uint8_t* bytes, size_t size, DibImage& out)
{
    return DecodeRows(bytes, size, false, out, nullptr);
}

bool DibImage::DecodeIcon(const uint8_t* bytes, size_t size, DibImage& color, DibImage& mask)
{
    return DecodeRows(bytes, size, true, color, &mask);
}

bool DibImage::DecodeRows(const uint8_t* bytes, size_t size, bool icon, DibImage& color, DibImage* mask)
{
    Layout layout;
    if (!ReadLayout(bytes, size, icon, layout)) return false;
    const uint64_t stride = Stride(layout.width, layout.bits);
    const uint64_t maskStride = Stride(layout.width, 1);
    const uint64_t need = stride * layout.height + (icon ? maskStride * layout.height : 0);
    if (size - layout.pixelsAt < need) return false;

    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(layout.height);
    DibImage image(width, height);
    const uint8_t* pixels = bytes + layout.pixelsAt;
    for (int y = 0; y < height; ++y) {
        const int sourceRow = layout.topDown ? y : height - 1 - y;
        const uint8_t* row = pixels + stride * sourceRow;
        for (int x = 0; x < width; ++x) image.SetPixel(x, y, ReadPixel(layout, row, x));
    }
    if (icon) {
        DibImage andMask(width, height);
        const uint8_t* maskRows = pixels + stride * height;
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = maskRows + maskStride * (height - 1 - y);
            for (int x = 0; x < width; ++x)
                andMask.SetPixel(x, y, (row[x / 8] >> (7 - x % 8)) & 1 ? 0x00FFFFFFu : 0u);
        }
        *mask = std::move(andMask);
    }
    color = std::move(image);
    return true;
}

// Linear interpolation between the two nearest source pixels, first along rows, then along
// columns, each step rounded half up; sample x of cx falls at x * width / cx of the source.
DibImage DibImage::Stretched(int cx, int cy) const
{
    if (cx == m_width && cy == m_height) return *this;
    DibImage wide(cx, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < cx; ++x) {
            const Sample s = SampleAt(x, cx, m_width);
            wide.SetPixel(x, y, Blend(Pixel(s.first, y), Pixel(s.second, y), s.weight, s.scale));
        }
    }
    DibImage out(cx, cy);
    for (int y = 0; y < cy; ++y) {
        const Sample s = SampleAt(y, cy, m_height);
        for (int x = 0; x < cx; ++x) out.SetPixel(x, y, Blend(wide.Pixel(x, s.first), wide.Pixel(x, s.second), s.weight, s.scale));
    }
    return out;
}
