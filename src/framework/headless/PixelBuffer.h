// A picture in memory: width x height pixels, each a colour 0x00BBGGRR as the window system
// writes colours. Everything drawn on a headless window lands in one of these.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/UiTypes.h"

namespace fw::headless {

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, COLORREF fill = 0xFFFFFF) { Resize(width, height, fill); }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    // Keeps what fits of the old picture; new pixels get fill.
    void Resize(int width, int height, COLORREF fill = 0xFFFFFF);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    COLORREF Get(int x, int y) const;  // CLR_INVALID outside
    void Set(int x, int y, COLORREF color);
    // Fills the part of rect that lies inside.
    void Fill(const RECT& rect, COLORREF color);
    // One-pixel frame just inside rect.
    void Frame(const RECT& rect, COLORREF color);
    // Line from (x0, y0) towards (x1, y1); the end point is left out, as LineTo leaves it.
    void Line(int x0, int y0, int x1, int y1, COLORREF color, int width = 1);
    // Copies source with its top left at (x, y), clipped to this picture and to clip.
    void Blit(const PixelBuffer& source, int x, int y, const RECT* clip = nullptr);
    // Scales source to fill rect (nearest pixel).
    void Stretch(const PixelBuffer& source, const RECT& rect);

    const std::vector<COLORREF>& Pixels() const { return m_pixels; }
    // Number of pixels of exactly color inside rect (tests use it to find what was drawn).
    int Count(const RECT& rect, COLORREF color) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

}  // namespace fw::headless
