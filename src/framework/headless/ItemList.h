// The item searches and sorted insertion of list boxes and combo boxes: searches ignore
// letter case, start after a given index and wrap around, as the system's controls do.
#pragma once

#include <string>
#include <vector>

#include "framework/headless/Window.h"

namespace fw::headless {

class ItemList {
public:
    // The first item after start (-1: from the top; wrapping) whose text begins with text
    // (exact: equals text), ignoring letter case; -1 when there is none.
    static int Find(const std::vector<ListItem>& items, int start, const std::string& text, bool exact);
    // Where text goes in a sorted list: after every item that does not sort after it.
    static int SortedPosition(const std::vector<ListItem>& items, const std::string& text);
    // <0, 0, >0 as a compares to b ignoring letter case.
    static int CompareNoCase(const std::string& a, const std::string& b);
    // The item a navigation key moves to from current (up, down, home, end; page keys move
    // by page items); -1 when the key does not move in a list of count items.
    static int KeyTarget(int current, int count, UINT key, int page = 8);
};

}  // namespace fw::headless
