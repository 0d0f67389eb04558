// The headless button class: push buttons, check boxes (auto and manual, two and three
// states), radio buttons (auto ones uncheck the rest of their group) and group boxes.
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class ButtonControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    static bool IsCheckable(const Window& window);
    static bool IsRadio(const Window& window);
    // The siblings of a control's group (from the WS_GROUP control at or before it up to the
    // next WS_GROUP control).
    static std::vector<HWND> GroupOf(HWND control);
    // What the button tells the dialog manager (WM_GETDLGCODE).
    static UINT DialogCode(const Window& window);

private:
    static void Clicked(Window& window);
    static void SetRadioCheck(Window& window, int check);
};

}  // namespace fw::headless
