// The headless dialog class (dialogs and pages): closing a dialog presses its Cancel.
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class DialogWindow {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace fw::headless
