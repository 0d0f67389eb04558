// The active window as text a person can read in a terminal: the title, every control with
// its id, kind, text and state, the wizard buttons, message boxes with their buttons.
#pragma once

#include <string>

#include "framework/headless/UiView.h"

namespace fw::headless {

class TerminalRenderer {
public:
    static std::string Render(const WindowView& view);
    static std::string RenderControl(const ControlView& control);
};

}  // namespace fw::headless
