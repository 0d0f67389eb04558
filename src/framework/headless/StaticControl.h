// The headless static class: text, frames, pictures (bitmap or icon) and, with SS_NOTIFY,
// click notifications (STN_CLICKED when the mouse button goes down on it).
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class StaticControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace fw::headless
