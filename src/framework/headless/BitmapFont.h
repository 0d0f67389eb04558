// The headless backend's one typeface: 5 x 7 pixel glyphs in a 6-pixel advance, scaled by
// whole pixels to the font's height; bold draws each glyph twice, one pixel apart. Every
// face name looks the same; sizes and weights are honoured.
#pragma once

#include <string>

#include "framework/UiTypes.h"
#include "framework/headless/PixelBuffer.h"

namespace fw::headless {

class BitmapFont {
public:
    // height as LOGFONT's lfHeight (0: the dialog font's 13 pixels).
    BitmapFont(int height, int weight);
    explicit BitmapFont(const LOGFONT& font) : BitmapFont(font.lfHeight, font.lfWeight) {}

    int Scale() const { return m_scale; }
    int LineHeight() const { return m_lineHeight; }
    bool Bold() const { return m_bold; }
    SIZE Measure(const std::string& text) const;
    // Draws one line with its top left at (x, y); only pixels inside clip (if any) change.
    void Draw(PixelBuffer& target, int x, int y, const std::string& text, COLORREF color,
              const RECT* clip = nullptr) const;

private:
    int m_scale;
    int m_lineHeight;
    bool m_bold;
};

}  // namespace fw::headless
