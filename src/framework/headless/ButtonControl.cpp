#include "framework/headless/ButtonControl.h"

#include <algorithm>

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {

bool ButtonControl::IsCheckable(const Window& window) {
    switch (window.ButtonType()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return true;
        default: return false;
    }
}

bool ButtonControl::IsRadio(const Window& window) {
    return window.className == FW_CLASS_BUTTON &&
           (window.ButtonType() == BS_RADIOBUTTON || window.ButtonType() == BS_AUTORADIOBUTTON);
}

std::vector<HWND> ButtonControl::GroupOf(HWND control) {
    Desktop& desktop = Desktop::Get();
    const Window* window = desktop.Find(control);
    const Window* parent = window ? desktop.Find(window->parent) : nullptr;
    if (!parent) return {control};
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), control);
    if (at == siblings.end()) return {control};
    auto first = at;
    while (first != siblings.begin() && !(desktop.Find(*first)->style & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != siblings.end() && !(desktop.Find(*last)->style & WS_GROUP)) ++last;
    return std::vector<HWND>(first, last);
}

void ButtonControl::Clicked(Window& window) {
    Desktop& desktop = Desktop::Get();
    const HWND handle = window.handle;
    switch (window.ButtonType()) {
        case BS_AUTOCHECKBOX: window.check = window.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
        case BS_AUTO3STATE: window.check = (window.check + 1) % 3; break;
        case BS_AUTORADIOBUTTON:
            for (HWND sibling : GroupOf(handle)) {
                Window* other = desktop.Find(sibling);
                // Every other one is told, checked or not, so the tab stop stays with the check.
                if (other && sibling != handle && other->className == FW_CLASS_BUTTON &&
                    other->ButtonType() == BS_AUTORADIOBUTTON) {
                    desktop.Send(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
                }
            }
            if (Window* self = desktop.Find(handle)) SetRadioCheck(*self, BST_CHECKED);
            break;
        default: break;
    }
    desktop.Invalidate(handle);
    desktop.NotifyParent(handle, BN_CLICKED);
}

void ButtonControl::SetRadioCheck(Window& window, int check) {
    window.check = check;
    // As the system's radio buttons do: the checked one of a group is where Tab lands.
    if (check == BST_CHECKED) window.style |= WS_TABSTOP;
    else window.style &= ~WS_TABSTOP;
}

UINT ButtonControl::DialogCode(const Window& window) {
    switch (window.ButtonType()) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
    }
}

LRESULT ButtonControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case BM_GETCHECK: return IsCheckable(window) ? window.check : BST_UNCHECKED;
        case BM_SETCHECK:
            if (IsCheckable(window)) {
                const int three = window.ButtonType() == BS_3STATE || window.ButtonType() == BS_AUTO3STATE;
                const int check = static_cast<int>(wParam) == BST_INDETERMINATE && !three ? BST_CHECKED
                                                                                          : static_cast<int>(wParam) % 3;
                if (IsRadio(window)) SetRadioCheck(window, check);
                else window.check = check;
                desktop.Invalidate(window.handle);
            }
            return 0;
        case WM_GETDLGCODE: return DialogCode(window);
        case WM_SETFOCUS:
            // A radio button reached by the keyboard tells its page, as a click would; the
            // page checks a manual one itself.
            if (window.ButtonType() == BS_RADIOBUTTON && window.check != BST_CHECKED && !window.pressing) {
                desktop.NotifyParent(window.handle, BN_CLICKED);
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && window.Enabled() && window.ButtonType() != BS_GROUPBOX) Clicked(window);
            return 0;
        case BM_GETSTATE: return IsCheckable(window) ? window.check : 0;
        case BM_CLICK: {
            const HWND handle = window.handle;
            const LPARAM centre = MAKELPARAM(window.Width() / 2, window.Height() / 2);
            desktop.Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, centre);
            desktop.Send(handle, WM_LBUTTONUP, 0, centre);
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (window.Enabled() && window.ButtonType() != BS_GROUPBOX) {
                const HWND handle = window.handle;
                window.pressing = true;
                desktop.SetFocus(handle);
                if (Window* self = desktop.Find(handle)) self->pressing = false;
            }
            return 0;
        case WM_LBUTTONUP:
            if (window.Enabled() && window.ButtonType() != BS_GROUPBOX) Clicked(window);
            return 0;
        case BM_SETIMAGE: {
            const HBITMAP previous = window.bitmap;
            window.bitmap = reinterpret_cast<HBITMAP>(lParam);
            desktop.Invalidate(window.handle);
            return reinterpret_cast<LRESULT>(previous);
        }
        case BM_GETIMAGE: return reinterpret_cast<LRESULT>(window.bitmap);
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
