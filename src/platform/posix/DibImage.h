// A picture decoded from a device-independent bitmap as resources store it (a packed DIB:
// header, colour table, pixel rows): 1, 4, 8, 16, 24 and 32 bits per pixel, rows bottom-up
// or top-down. Pixels are kept top-down as 0xAARRGGBB (blue in the lowest byte, as a 32-bit
// DIB holds them); alpha is 0 unless the source had 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class DibImage {
public:
    DibImage() = default;
    DibImage(int width, int height, uint32_t fill = 0);

    // A bitmap resource. False for data that is cut short, damaged or of a kind not read
    // (compressed rows); nothing outside [bytes, bytes + size) is read.
    static bool Decode(const uint8_t* bytes, size_t size, DibImage& out);
    // An icon image: its header gives the height of both halves; the colour rows are followed
    // by the AND mask (1 bit per pixel), returned as black (opaque) and white (transparent).
    static bool DecodeIcon(const uint8_t* bytes, size_t size, DibImage& color, DibImage& mask);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t Pixel(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    void SetPixel(int x, int y, uint32_t value) { m_pixels[static_cast<size_t>(y) * m_width + x] = value; }
    // Resized to cx by cy, interpolating between neighbouring pixels.
    DibImage Stretched(int cx, int cy) const;

private:
    static bool DecodeRows(const uint8_t* bytes, size_t size, bool icon, DibImage& color, DibImage* mask);

    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

#pragma GCC visibility pop
