// What every headless window class does with the messages it does not handle itself: text,
// font, icons, painting the default look, closing through the system menu.
#pragma once

#include <string>

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class GenericWindow {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_GETTEXT's copy: at most size - 1 characters and a NUL; returns the characters copied.
    static LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer);
    static std::string TextOf(LPARAM text) { return text ? reinterpret_cast<const char*>(text) : ""; }
};

}  // namespace fw::headless
