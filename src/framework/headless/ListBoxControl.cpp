#include "framework/headless/ListBoxControl.h"

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"
#include "framework/headless/ItemList.h"

namespace fw::headless {
namespace {

bool InRange(const Window& window, WPARAM index) {
    const auto value = static_cast<INT_PTR>(index);
    return value >= 0 && value < static_cast<INT_PTR>(window.items.size());
}

int Index(WPARAM value) { return static_cast<int>(static_cast<INT_PTR>(value)); }

// Several items may be selected; the selection field is then only the caret.
bool Multiple(const Window& window) { return (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

int SelectedCount(const Window& window) {
    int count = 0;
    for (const auto& item : window.items) count += item.selected ? 1 : 0;
    return count;
}

}  // namespace

int ListBoxControl::Insert(Window& window, int index, const std::string& text) {
    const int count = static_cast<int>(window.items.size());
    if (index == -1) index = count;
    if (index < 0 || index > count) return LB_ERR;
    window.items.insert(window.items.begin() + index, ListItem{text, 0, false});
    if (window.selection >= index) ++window.selection;
    Desktop::Get().Invalidate(window.handle);
    return index;
}

int ListBoxControl::Add(Window& window, const std::string& text, bool sorted) {
    return Insert(window, sorted ? ItemList::SortedPosition(window.items, text) : -1, text);
}

int ListBoxControl::Delete(Window& window, int index) {
    if (index < 0 || index >= static_cast<int>(window.items.size())) return LB_ERR;
    window.items.erase(window.items.begin() + index);
    if (window.selection == index) window.selection = -1;
    else if (window.selection > index) --window.selection;
    Desktop::Get().Invalidate(window.handle);
    return static_cast<int>(window.items.size());
}

LRESULT ListBoxControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case LB_ADDSTRING: return Add(window, GenericWindow::TextOf(lParam), (window.style & LBS_SORT) != 0);
        case LB_INSERTSTRING: return Insert(window, Index(wParam), GenericWindow::TextOf(lParam));
        case LB_DELETESTRING: return Delete(window, Index(wParam));
        case LB_RESETCONTENT:
            window.items.clear();
            window.selection = -1;
            desktop.Invalidate(window.handle);
            return 0;
        case LB_GETCOUNT: return static_cast<LRESULT>(window.items.size());
        case LB_SETSEL: {
            if (!Multiple(window)) return LB_ERR;
            const int index = static_cast<int>(lParam);
            if (index == -1) {
                for (auto& item : window.items) item.selected = wParam != 0;
            } else if (index >= 0 && index < static_cast<int>(window.items.size())) {
                window.items[static_cast<size_t>(index)].selected = wParam != 0;
                window.selection = index;
            } else {
                return LB_ERR;
            }
            desktop.Invalidate(window.handle);
            return 0;
        }
        case LB_GETSEL:
            if (!InRange(window, wParam)) return LB_ERR;
            if (!Multiple(window)) return Index(wParam) == window.selection ? 1 : 0;
            return window.items[wParam].selected ? 1 : 0;
        case LB_GETSELCOUNT: return Multiple(window) ? SelectedCount(window) : LB_ERR;
        case LB_GETSELITEMS: {
            if (!Multiple(window)) return LB_ERR;
            auto* indexes = reinterpret_cast<int*>(lParam);
            int count = 0;
            for (size_t i = 0; i < window.items.size() && count < Index(wParam); ++i) {
                if (window.items[i].selected) indexes[count++] = static_cast<int>(i);
            }
            return count;
        }
        case LB_SETCURSEL:
            if (Multiple(window)) return LB_ERR;
            if (Index(wParam) == -1) {
                window.selection = -1;
                desktop.Invalidate(window.handle);
                return LB_ERR;
            }
            if (!InRange(window, wParam)) return LB_ERR;
            window.selection = Index(wParam);
            desktop.Invalidate(window.handle);
            return window.selection;
        case LB_GETCURSEL: return window.selection;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN: {
            const HWND handle = window.handle;
            const bool notify = (window.style & LBS_NOTIFY) != 0;
            if (Multiple(window)) {
                // The caret moves (it starts on the first item); Space turns its item over.
                if (window.items.empty()) return 0;
                const int caret = window.selection >= 0 ? window.selection : 0;
                if (wParam == VK_SPACE) {
                    window.selection = caret;
                    window.items[static_cast<size_t>(caret)].selected = !window.items[static_cast<size_t>(caret)].selected;
                } else {
                    const int target = ItemList::KeyTarget(caret, static_cast<int>(window.items.size()),
                                                           static_cast<UINT>(wParam));
                    if (target < 0 || target == window.selection) return 0;
                    window.selection = target;
                }
            } else {
                const int target = ItemList::KeyTarget(window.selection, static_cast<int>(window.items.size()),
                                                       static_cast<UINT>(wParam));
                if (target < 0 || target == window.selection) return 0;
                window.selection = target;
            }
            desktop.Invalidate(handle);
            if (notify) desktop.NotifyParent(handle, LBN_SELCHANGE);
            return 0;
        }
        case LB_GETTEXT:
            if (!InRange(window, wParam) || !lParam) return LB_ERR;
            return GenericWindow::CopyText(window.items[wParam].text, window.items[wParam].text.size() + 1, lParam);
        case LB_GETTEXTLEN:
            if (!InRange(window, wParam)) return LB_ERR;
            return static_cast<LRESULT>(window.items[wParam].text.size());
        case LB_FINDSTRING: return ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), false);
        case LB_FINDSTRINGEXACT: return ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), true);
        case LB_SELECTSTRING: {
            const int found = ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), false);
            if (found < 0) return LB_ERR;
            window.selection = found;
            desktop.Invalidate(window.handle);
            return found;
        }
        case LB_SETITEMDATA:
            if (!InRange(window, wParam)) return LB_ERR;
            window.items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return TRUE;
        case LB_GETITEMDATA:
            if (!InRange(window, wParam)) return LB_ERR;
            return static_cast<LRESULT>(window.items[wParam].data);
        case LB_GETTOPINDEX: return 0;
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
