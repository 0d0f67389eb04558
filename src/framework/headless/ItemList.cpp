#include "framework/headless/ItemList.h"

#include <algorithm>

#include <cctype>

namespace fw::headless {
namespace {

int Lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

bool BeginsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

}  // namespace

int ItemList::CompareNoCase(const std::string& a, const std::string& b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const int difference = Lower(a[i]) - Lower(b[i]);
        if (difference != 0) return difference;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ItemList::Find(const std::vector<ListItem>& items, int start, const std::string& text, bool exact) {
    const int count = static_cast<int>(items.size());
    if (count == 0) return -1;
    if (start < -1 || start >= count) start = -1;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        const std::string& item = items[static_cast<size_t>(index)].text;
        const bool match = exact ? CompareNoCase(item, text) == 0 : BeginsWithNoCase(item, text);
        if (match) return index;
    }
    return -1;
}

int ItemList::SortedPosition(const std::vector<ListItem>& items, const std::string& text) {
    int position = 0;
    while (position < static_cast<int>(items.size()) &&
           CompareNoCase(items[static_cast<size_t>(position)].text, text) <= 0) {
        ++position;
    }
    return position;
}

int ItemList::KeyTarget(int current, int count, UINT key, int page) {
    if (count <= 0) return -1;
    const int last = count - 1;
    switch (key) {
        case VK_UP:
        case VK_LEFT: return current < 0 ? 0 : std::max(current - 1, 0);
        case VK_DOWN:
        case VK_RIGHT: return current < 0 ? 0 : std::min(current + 1, last);
        case VK_PRIOR: return std::max(current - page, 0);
        case VK_NEXT: return current < 0 ? std::min(page, last) : std::min(current + page, last);
        case VK_HOME: return 0;
        case VK_END: return last;
        default: return -1;
    }
}

}  // namespace fw::headless
