// The headless list box class: items with data, one selection, the searches of ItemList and,
// with LBS_SORT, sorted insertion.
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class ListBoxControl {
public:
    static LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    // Item operations shared with the combo box's list: the LB_ results (index, count or -1).
    static int Insert(Window& window, int index, const std::string& text);
    static int Add(Window& window, const std::string& text, bool sorted);
    static int Delete(Window& window, int index);
};

}  // namespace fw::headless
