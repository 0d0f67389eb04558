#include "framework/headless/DialogManager.h"

#include <cctype>

#include "framework/headless/ButtonControl.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/SheetController.h"

namespace fw::headless {
namespace {

ActionResult Refused(const std::string& why) { return ActionResult{false, why}; }

Desktop& Screen() { return Desktop::Get(); }

// Shown and enabled, with every parent up to its top-level window.
bool Usable(HWND handle) {
    for (const Window* window = Screen().Find(handle); window;
         window = window->IsTopLevel() ? nullptr : Screen().Find(window->parent)) {
        if (!window->Visible() || !window->Enabled()) return false;
    }
    return Screen().Find(handle) != nullptr;
}

bool IsTabStop(HWND handle) {
    const Window* window = Screen().Find(handle);
    return window && window->kind == WindowKind::Control && (window->style & WS_TABSTOP) && Usable(handle);
}

UINT DialogCode(HWND control, UINT key) {
    MSG message{};
    message.hwnd = control;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return static_cast<UINT>(Screen().Send(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message)));
}

int IndexOf(const std::vector<HWND>& order, HWND handle) {
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == handle) return static_cast<int>(i);
    }
    return -1;
}

// The next tab stop after position (before it, backwards), wrapping; null when there is none.
HWND NextTabStop(const std::vector<HWND>& order, int position, bool backwards) {
    const int count = static_cast<int>(order.size());
    if (count == 0) return nullptr;
    const int start = position >= 0 ? position : (backwards ? count : -1);
    for (int step = 1; step <= count; ++step) {
        const int at = ((start + (backwards ? -step : step)) % count + count) % count;
        if (IsTabStop(order[static_cast<size_t>(at)])) return order[static_cast<size_t>(at)];
    }
    return nullptr;
}

bool ShowsText(const Window& control) {
    if (control.className == FW_CLASS_BUTTON) return true;
    if (control.className != FW_CLASS_STATIC || (control.style & SS_NOPREFIX)) return false;
    switch (control.StaticType()) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP: return true;
        default: return false;
    }
}

void PressButton(HWND button) {
    Screen().NoteActivity();
    Screen().NotifyParent(button, BN_CLICKED);
}

}  // namespace

char DialogManager::AccessKey(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

std::string DialogManager::ShownText(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown.push_back(text[i]);
    }
    return shown;
}

std::vector<HWND> DialogManager::ControlsInOrder(HWND top) {
    std::vector<HWND> order;
    const Window* window = Screen().Find(top);
    if (!window) return order;
    for (HWND child : window->children) {
        const Window* page = Screen().Find(child);
        if (!page || page->kind != WindowKind::Page || !page->Visible()) continue;
        for (HWND control : page->children) order.push_back(control);
    }
    for (HWND child : window->children) {
        const Window* control = Screen().Find(child);
        if (control && control->kind == WindowKind::Control) order.push_back(child);
    }
    return order;
}

bool DialogManager::FocusFirstTabStop(HWND container) {
    const Window* window = Screen().Find(container);
    if (!window) return false;
    const HWND first = NextTabStop(window->children, -1, false);
    if (!first) return false;
    Screen().SetFocus(first);
    return true;
}

void DialogManager::FocusOnOpen(HWND top) {
    if (FocusFirstTabStop(top)) return;
    if (const HWND button = DefaultButton(top)) Screen().SetFocus(button);
}

void DialogManager::FocusDefaultButton(HWND top) {
    const HWND button = DefaultButton(top);
    if (button && Usable(button)) Screen().SetFocus(button);
    else FocusFirstTabStop(top);
}

HWND DialogManager::DefaultButton(HWND active) {
    const Window* window = Screen().Find(active);
    if (!window) return nullptr;
    if (window->kind == WindowKind::Sheet) {
        // The system's wizard makes Next its default button, or Finish where Finish is shown.
        const bool wizard = window->sheet && window->sheet->IsWizard();
        for (UINT id : wizard ? std::vector<UINT>{ID_WIZNEXT, ID_WIZFINISH} : std::vector<UINT>{IDOK}) {
            for (HWND child : window->children) {
                const Window* button = Screen().Find(child);
                if (button && button->kind == WindowKind::Control && button->id == id && button->Visible()) return child;
            }
        }
        return nullptr;
    }
    // The first button a template made the default one, else the OK button.
    HWND ok = nullptr;
    for (HWND child : window->children) {
        const Window* button = Screen().Find(child);
        if (!button || button->className != FW_CLASS_BUTTON) continue;
        if (button->ButtonType() == BS_DEFPUSHBUTTON) return child;
        if (button->id == IDOK && !ok) ok = child;
    }
    return ok;
}

ActionResult DialogManager::PressKey(HWND active, UINT key, int modifiers) {
    if (!Screen().Find(active)) return Refused("no window is open");
    if (key == 0) return Refused("no such key");
    HWND focus = Screen().Focus();
    // Only a focus inside the active window counts; a key goes nowhere else.
    if (focus && IndexOf(ControlsInOrder(active), focus) < 0) focus = nullptr;
    if (modifiers & kAlt) return Mnemonic(active, focus, static_cast<char>(key));
    const UINT code = focus ? DialogCode(focus, key) : 0;
    switch (key) {
        case VK_TAB:
            if (!(code & DLGC_WANTTAB)) return Tab(active, (modifiers & kShift) != 0);
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (focus && !(code & DLGC_WANTARROWS)) return Arrow(focus, key);
            break;
        case VK_RETURN:
            if (!(code & DLGC_WANTMESSAGE)) return Enter(active, focus);
            break;
        case VK_ESCAPE:
            if (!(code & DLGC_WANTMESSAGE)) return Escape(active);
            break;
        default: break;
    }
    if (!focus) return Refused("no control has the focus; press tab first");
    Screen().NoteActivity();
    Screen().Send(focus, WM_KEYDOWN, key, 1);
    return {};
}

ActionResult DialogManager::Tab(HWND active, bool backwards) {
    const std::vector<HWND> order = ControlsInOrder(active);
    const HWND next = NextTabStop(order, IndexOf(order, Screen().Focus()), backwards);
    if (!next) return Refused("no control of the window takes the focus");
    Screen().NoteActivity();
    Screen().SetFocus(next);
    return {};
}

ActionResult DialogManager::Arrow(HWND focus, UINT key) {
    // The next usable control of the focus's group, around the group, as the system finds it.
    const std::vector<HWND> group = ButtonControl::GroupOf(focus);
    const bool backwards = key == VK_LEFT || key == VK_UP;
    const int count = static_cast<int>(group.size());
    const int at = IndexOf(group, focus);
    HWND next = nullptr;
    for (int step = 1; step < count && !next; ++step) {
        const HWND candidate = group[static_cast<size_t>(((at + (backwards ? -step : step)) % count + count) % count)];
        const Window* control = Screen().Find(candidate);
        if (control && control->kind == WindowKind::Control && Usable(candidate)) next = candidate;
    }
    if (!next) return Refused("the arrow keys move nowhere from the focused control");
    Screen().NoteActivity();
    Screen().SetFocus(next);
    const Window* reached = Screen().Find(next);
    if (reached && reached->className == FW_CLASS_BUTTON && reached->ButtonType() == BS_AUTORADIOBUTTON &&
        reached->check != BST_CHECKED) {
        Screen().Send(next, BM_CLICK, 0, 0);
    }
    return {};
}

ActionResult DialogManager::Enter(HWND active, HWND focus) {
    const UINT code = focus ? DialogCode(focus, VK_RETURN) : 0;
    HWND button = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) ? focus : DefaultButton(active);
    const Window* window = Screen().Find(active);
    if (!button && window && window->kind == WindowKind::MessageBox) {
        const std::vector<HWND> order = ControlsInOrder(active);
        button = NextTabStop(order, -1, false);
    }
    if (!button) return Refused("the window has no default button");
    if (!Usable(button)) return Refused("the default button is disabled");
    PressButton(button);
    return {};
}

ActionResult DialogManager::Escape(HWND active) {
    const Window* window = Screen().Find(active);
    if (window->kind == WindowKind::MessageBox) {
        const int answer = MessageBoxWindow::CloseAnswer(window->boxStyle);
        if (answer == 0) return Refused("this message box has no Cancel button; answer it");
        Screen().NoteActivity();
        Screen().Send(active, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        return {};
    }
    HWND cancel = nullptr;
    for (HWND child : window->children) {
        const Window* control = Screen().Find(child);
        if (control && control->kind == WindowKind::Control && control->id == IDCANCEL) cancel = child;
    }
    Screen().NoteActivity();
    Screen().Send(active, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return {};
}

ActionResult DialogManager::Mnemonic(HWND active, HWND focus, char letter) {
    const std::vector<HWND> order = ControlsInOrder(active);
    const int count = static_cast<int>(order.size());
    const int start = focus ? IndexOf(order, focus) : -1;
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int step = 1; step <= count; ++step) {
        const HWND handle = order[static_cast<size_t>(((start + step) % count + count) % count)];
        const Window* control = Screen().Find(handle);
        if (!control || !Usable(handle) || !ShowsText(*control) || AccessKey(control->text) != wanted) continue;
        Screen().NoteActivity();
        if (control->className == FW_CLASS_STATIC || control->ButtonType() == BS_GROUPBOX) {
            // A label hands the focus on to the control it labels: the next tab stop.
            const HWND next = NextTabStop(order, IndexOf(order, handle), false);
            if (!next) return Refused(std::string("nothing follows the label of access key ") + wanted);
            Screen().SetFocus(next);
        } else {
            Screen().Send(handle, BM_CLICK, 0, 0);
        }
        return {};
    }
    return Refused(std::string("no control has the access key ") + wanted);
}

}  // namespace fw::headless
