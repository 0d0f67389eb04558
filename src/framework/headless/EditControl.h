// The headless edit class: one line (or several) of text with a typing limit. Text set by the
// program is not cut to the limit; typed text is (TypeText).
#pragma once

#include <string>

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class EditControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    // Replaces the whole text as typing would: characters an ES_NUMBER field refuses are
    // dropped, the rest is cut at the limit. Notifies EN_UPDATE and EN_CHANGE (and
    // EN_MAXTEXT when cut); returns false when nothing could be typed at all.
    static bool TypeText(HWND edit, const std::string& text);
    static UINT DefaultLimit() { return 30000; }
};

}  // namespace fw::headless
