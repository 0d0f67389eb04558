// The default look of headless windows: the colours of the classic dialog theme and the
// painting of each control class into its window's pixels (the picture that PNG snapshots
// and the window's WM_PAINT default show).
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class Look {
public:
    static constexpr COLORREF kFace = 0xF0F0F0;           // dialog background
    static constexpr COLORREF kText = 0x000000;
    static constexpr COLORREF kGrayText = 0xA0A0A0;
    static constexpr COLORREF kWindow = 0xFFFFFF;         // edit and list fields
    static constexpr COLORREF kBorder = 0x7A7A7A;
    static constexpr COLORREF kButtonFace = 0xE1E1E1;
    static constexpr COLORREF kButtonBorder = 0xADADAD;
    static constexpr COLORREF kHighlight = 0xD77800;      // selection and default button (blue)
    static constexpr COLORREF kHighlightText = 0xFFFFFF;

    // Paints the window's default look into its surface.
    static void Paint(Window& window);
};

}  // namespace fw::headless
