// Message boxes on the headless screen: a top-level window titled with the caption, owned by
// the box's owner, with the text (control 0xFFFF) and one button per answer of its style.
// It runs modally, so the driver answers it; closing it answers Cancel (or OK for a box with
// only OK), and boxes without either cannot be closed.
#pragma once

#include <vector>

#include "framework/MessageBox.h"
#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class MessageBoxWindow {
public:
    static constexpr UINT kTextId = 0xFFFF;

    static int Show(const MessageBoxRequest& request);
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    // The answers of a box style, in button order.
    static std::vector<int> Buttons(UINT style);
    // The answer of closing the box; 0 when it cannot be closed.
    static int CloseAnswer(UINT style);
    // The answer when the user walked away (a quitting driver): close, else the safe no.
    static int QuitAnswer(UINT style);
    // The system's caption of an answer's button.
    static const char* ButtonCaption(int id);
};

}  // namespace fw::headless
