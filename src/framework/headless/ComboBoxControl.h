// The headless combo box class: a list (as the list box's) under a field. CBS_DROPDOWN has an
// edit field whose text is the window text; CBS_DROPDOWNLIST shows the selected item.
#pragma once

#include <string>

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class ComboBoxControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    // The text the field shows.
    static std::string FieldText(const Window& window);
    // Types into the edit field (CBS_DROPDOWN, CBS_SIMPLE): cut at the limit; the list's
    // selection follows an item equal to the text. Notifies CBN_EDITUPDATE and
    // CBN_EDITCHANGE. False for a drop-down list, which has no field to type in.
    static bool TypeText(HWND combo, const std::string& text);
};

}  // namespace fw::headless
