// The headless trackbar class: a position within a range of signed 16-bit values, with tick
// frequency, page and line sizes.
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class TrackbarControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    static int Clamp(const Window& window, int position);

private:
    // A key of the focused trackbar: the thumb moves and the parent hears the scroll codes.
    static LRESULT Key(Window& window, UINT key);
};

}  // namespace fw::headless
