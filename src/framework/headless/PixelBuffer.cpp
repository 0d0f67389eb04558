#include "framework/headless/PixelBuffer.h"

#include <algorithm>
#include <cstdlib>

namespace fw::headless {

void PixelBuffer::Resize(int width, int height, COLORREF fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) return;
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    for (int y = 0; y < std::min(height, m_height); ++y) {
        for (int x = 0; x < std::min(width, m_width); ++x) {
            pixels[static_cast<size_t>(y) * width + x] = m_pixels[static_cast<size_t>(y) * m_width + x];
        }
    }
    m_pixels.swap(pixels);
    m_width = width;
    m_height = height;
}

COLORREF PixelBuffer::Get(int x, int y) const {
    if (!Contains(x, y)) return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void PixelBuffer::Set(int x, int y, COLORREF color) {
    if (Contains(x, y)) m_pixels[static_cast<size_t>(y) * m_width + x] = color & 0x00FFFFFFu;
}

void PixelBuffer::Fill(const RECT& rect, COLORREF color) {
    const int left = std::max<int>(rect.left, 0);
    const int top = std::max<int>(rect.top, 0);
    const int right = std::min<int>(rect.right, m_width);
    const int bottom = std::min<int>(rect.bottom, m_height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) m_pixels[static_cast<size_t>(y) * m_width + x] = color & 0x00FFFFFFu;
    }
}

void PixelBuffer::Frame(const RECT& rect, COLORREF color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    Fill(RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
    Fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    Fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    Fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void PixelBuffer::Line(int x0, int y0, int x1, int y1, COLORREF color, int width) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    const int half = (std::max(width, 1) - 1) / 2;
    while (x != x1 || y != y1) {
        if (width <= 1) Set(x, y, color);
        else Fill(RECT{x - half, y - half, x - half + width, y - half + width}, color);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void PixelBuffer::Blit(const PixelBuffer& source, int x, int y, const RECT* clip) {
    RECT limit{0, 0, m_width, m_height};
    if (clip) {
        limit.left = std::max(limit.left, clip->left);
        limit.top = std::max(limit.top, clip->top);
        limit.right = std::min(limit.right, clip->right);
        limit.bottom = std::min(limit.bottom, clip->bottom);
    }
    for (int sy = 0; sy < source.m_height; ++sy) {
        const int ty = y + sy;
        if (ty < limit.top || ty >= limit.bottom) continue;
        for (int sx = 0; sx < source.m_width; ++sx) {
            const int tx = x + sx;
            if (tx < limit.left || tx >= limit.right) continue;
            m_pixels[static_cast<size_t>(ty) * m_width + tx] = source.m_pixels[static_cast<size_t>(sy) * source.m_width + sx];
        }
    }
}

void PixelBuffer::Stretch(const PixelBuffer& source, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (source.Empty() || width <= 0 || height <= 0) return;
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * source.m_height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * source.m_width / width);
            Set(rect.left + x, rect.top + y, source.m_pixels[static_cast<size_t>(sy) * source.m_width + sx]);
        }
    }
}

int PixelBuffer::Count(const RECT& rect, COLORREF color) const {
    int count = 0;
    for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, m_height); ++y) {
        for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, m_width); ++x) {
            if (m_pixels[static_cast<size_t>(y) * m_width + x] == (color & 0x00FFFFFFu)) ++count;
        }
    }
    return count;
}

}  // namespace fw::headless
