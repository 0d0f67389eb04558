#include "framework/headless/ComboBoxControl.h"

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"
#include "framework/headless/ItemList.h"
#include "framework/headless/ListBoxControl.h"

namespace fw::headless {
namespace {

bool HasEdit(const Window& window) { return window.ComboType() != CBS_DROPDOWNLIST; }

bool InRange(const Window& window, WPARAM index) {
    const auto value = static_cast<INT_PTR>(index);
    return value >= 0 && value < static_cast<INT_PTR>(window.items.size());
}

int Index(WPARAM value) { return static_cast<int>(static_cast<INT_PTR>(value)); }

void Select(Window& window, int index) {
    window.selection = index;
    if (HasEdit(window)) window.text = index >= 0 ? window.items[static_cast<size_t>(index)].text : std::string();
    Desktop::Get().Invalidate(window.handle);
}

// List results are LB_ values, which equal the CB_ ones.
LRESULT ListResult(int result) { return result; }

}  // namespace

std::string ComboBoxControl::FieldText(const Window& window) {
    if (HasEdit(window)) return window.text;
    return window.selection >= 0 && window.selection < static_cast<int>(window.items.size())
               ? window.items[static_cast<size_t>(window.selection)].text
               : std::string();
}

bool ComboBoxControl::TypeText(HWND combo, const std::string& text) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(combo);
    if (!window || !HasEdit(*window)) return false;
    std::string typed = text;
    if (typed.size() > window->limit) typed.resize(window->limit);
    window->text = typed;
    window->selection = ItemList::Find(window->items, -1, typed, true);
    desktop.Invalidate(combo);
    desktop.NotifyParent(combo, CBN_EDITUPDATE);
    desktop.NotifyParent(combo, CBN_EDITCHANGE);
    return true;
}

LRESULT ComboBoxControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case CB_ADDSTRING:
            return ListResult(ListBoxControl::Add(window, GenericWindow::TextOf(lParam), (window.style & CBS_SORT) != 0));
        case CB_INSERTSTRING: return ListResult(ListBoxControl::Insert(window, Index(wParam), GenericWindow::TextOf(lParam)));
        case CB_DELETESTRING: return ListResult(ListBoxControl::Delete(window, Index(wParam)));
        case CB_RESETCONTENT:
            window.items.clear();
            window.selection = -1;
            if (HasEdit(window)) window.text.clear();
            desktop.Invalidate(window.handle);
            return CB_OKAY;
        case CB_GETCOUNT: return static_cast<LRESULT>(window.items.size());
        case CB_SETCURSEL:
            if (Index(wParam) == -1) {
                Select(window, -1);
                return CB_ERR;
            }
            if (!InRange(window, wParam)) return CB_ERR;
            Select(window, Index(wParam));
            return window.selection;
        case CB_GETCURSEL: return window.selection;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN: {
            // Closed, the arrow keys step through the items and tell the page at once.
            const int target = ItemList::KeyTarget(window.selection, static_cast<int>(window.items.size()),
                                                   static_cast<UINT>(wParam));
            if (target < 0 || target == window.selection) return 0;
            const HWND handle = window.handle;
            Select(window, target);
            Desktop::Get().NotifyParent(handle, CBN_SELCHANGE);
            return 0;
        }
        case CB_GETLBTEXT:
            if (!InRange(window, wParam) || !lParam) return CB_ERR;
            return GenericWindow::CopyText(window.items[wParam].text, window.items[wParam].text.size() + 1, lParam);
        case CB_GETLBTEXTLEN:
            if (!InRange(window, wParam)) return CB_ERR;
            return static_cast<LRESULT>(window.items[wParam].text.size());
        case CB_FINDSTRING: return ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), false);
        case CB_FINDSTRINGEXACT: return ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), true);
        case CB_SELECTSTRING: {
            const int found = ItemList::Find(window.items, Index(wParam), GenericWindow::TextOf(lParam), false);
            if (found < 0) return CB_ERR;
            Select(window, found);
            return found;
        }
        case CB_SETITEMDATA:
            if (!InRange(window, wParam)) return CB_ERR;
            window.items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return TRUE;
        case CB_GETITEMDATA:
            if (!InRange(window, wParam)) return CB_ERR;
            return static_cast<LRESULT>(window.items[wParam].data);
        case CB_LIMITTEXT:
            if (!HasEdit(window)) return CB_ERR;
            window.limit = wParam == 0 ? 0x7FFFFFFEu : static_cast<UINT>(wParam);
            return TRUE;
        case CB_SHOWDROPDOWN: return TRUE;
        case WM_SETTEXT: {
            const std::string text = GenericWindow::TextOf(lParam);
            if (HasEdit(window)) {
                window.text = text;
                desktop.Invalidate(window.handle);
                return TRUE;
            }
            const int found = ItemList::Find(window.items, -1, text, true);
            if (found < 0) return CB_ERR;
            Select(window, found);
            return TRUE;
        }
        case WM_GETTEXT: return GenericWindow::CopyText(FieldText(window), wParam, lParam);
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(FieldText(window).size());
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
