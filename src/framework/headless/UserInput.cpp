#include "framework/headless/UserInput.h"

#include <algorithm>

#include "framework/CPropertyPage.h"
#include "framework/headless/ComboBoxControl.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogManager.h"
#include "framework/headless/EditControl.h"
#include "framework/headless/ItemList.h"
#include "framework/headless/MenuTable.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/SheetController.h"

namespace fw::headless {
namespace {

ActionResult Refused(const std::string& why) { return ActionResult{false, why}; }

std::string Id(UINT id) { return std::to_string(id); }

}  // namespace

Action UserInput::Make(Action::Kind kind, UINT id, int number) {
    Action action;
    action.kind = kind;
    action.id = id;
    action.number = number;
    return action;
}

WindowView UserInput::Active() const { return WindowView::Of(m_desktop.ActiveWindow()); }

bool UserInput::HasActive() const { return m_desktop.ActiveWindow() != nullptr; }

std::optional<uint64_t> UserInput::NextTimerIn() const {
    const auto due = m_desktop.NextTimerDue();
    if (!due) return std::nullopt;
    return *due > m_desktop.Now() ? *due - m_desktop.Now() : 0;
}

Window* UserInput::Control(UINT id, std::string& why) {
    Window* active = m_desktop.Find(m_desktop.ActiveWindow());
    if (!active) {
        why = "no window is open";
        return nullptr;
    }
    std::vector<HWND> parents;
    if (active->kind == WindowKind::Sheet) {
        if (const CPropertyPage* page = active->sheet->ActivePage()) parents.push_back(page->m_hWnd);
    }
    parents.push_back(active->handle);
    for (HWND parentHandle : parents) {
        const Window* parent = m_desktop.Find(parentHandle);
        if (!parent) continue;
        for (HWND child : parent->children) {
            Window* control = m_desktop.Find(child);
            if (!control || control->kind != WindowKind::Control || control->id != id) continue;
            if (!control->Visible()) {
                why = "control " + Id(id) + " is hidden";
                return nullptr;
            }
            if (!control->Enabled() || !parent->Enabled()) {
                why = "control " + Id(id) + " is disabled";
                return nullptr;
            }
            return control;
        }
    }
    why = "the active window has no control " + Id(id);
    return nullptr;
}

Window* UserInput::SheetButton(UINT id, std::string& why) {
    const Window* active = m_desktop.Find(m_desktop.ActiveWindow());
    if (!active || active->kind != WindowKind::Sheet) {
        why = "the active window is not a property sheet";
        return nullptr;
    }
    for (HWND child : active->children) {
        Window* button = m_desktop.Find(child);
        if (!button || button->kind != WindowKind::Control || button->id != id) continue;
        if (!button->Visible()) {
            why = "the sheet does not show that button now";
            return nullptr;
        }
        if (!button->Enabled()) {
            why = "that button of the sheet is disabled";
            return nullptr;
        }
        return button;
    }
    why = "the sheet has no such button";
    return nullptr;
}

ActionResult UserInput::ClickButton(Window& button) {
    m_desktop.NoteActivity();
    m_desktop.Send(button.handle, BM_CLICK, 0, 0);
    return {};
}

ActionResult UserInput::Mouse(Window& control, int x, int y, bool click) {
    POINT point = m_desktop.ScreenOrigin(control.handle);
    point.x += x;
    point.y += y;
    // Mouse messages go to the window that holds the capture, in its own coordinates.
    HWND target = m_desktop.Capture() ? m_desktop.Capture() : control.handle;
    const POINT origin = m_desktop.ScreenOrigin(target);
    const LPARAM at = MAKELPARAM(point.x - origin.x, point.y - origin.y);
    m_desktop.NoteActivity();
    m_desktop.Send(target, WM_MOUSEMOVE, 0, at);
    if (!click) return {};
    target = m_desktop.Capture() ? m_desktop.Capture() : control.handle;
    const POINT downOrigin = m_desktop.ScreenOrigin(target);
    const LPARAM downAt = MAKELPARAM(point.x - downOrigin.x, point.y - downOrigin.y);
    m_desktop.Send(target, WM_LBUTTONDOWN, MK_LBUTTON, downAt);
    target = m_desktop.Capture() ? m_desktop.Capture() : target;
    const POINT upOrigin = m_desktop.ScreenOrigin(target);
    m_desktop.Send(target, WM_LBUTTONUP, 0, MAKELPARAM(point.x - upOrigin.x, point.y - upOrigin.y));
    return {};
}

ActionResult UserInput::SelectIndex(Window& control, int index) {
    const HWND handle = control.handle;
    if (index < 0 || index >= static_cast<int>(control.items.size())) {
        return Refused("control " + Id(control.id) + " has no item #" + std::to_string(index));
    }
    m_desktop.NoteActivity();
    if (control.className == FW_CLASS_LISTBOX) {
        const bool notify = (control.style & LBS_NOTIFY) != 0;
        if (control.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
            // A click in a list of several selections turns the item's selection over.
            const bool selected = control.items[static_cast<size_t>(index)].selected;
            m_desktop.Send(handle, LB_SETSEL, selected ? FALSE : TRUE, static_cast<LPARAM>(index));
        } else {
            m_desktop.Send(handle, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
        if (notify) m_desktop.NotifyParent(handle, LBN_SELCHANGE);
    } else {
        m_desktop.Send(handle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        m_desktop.NotifyParent(handle, CBN_SELCHANGE);
    }
    return {};
}

ActionResult UserInput::Perform(const Action& action) {
    std::string why;
    switch (action.kind) {
        case Action::Kind::Click: {
            Window* control = Control(action.id, why);
            if (!control) return Refused(why);
            if (control->className == FW_CLASS_BUTTON && control->ButtonType() != BS_GROUPBOX) return ClickButton(*control);
            if (control->className == FW_CLASS_STATIC && (control->style & SS_NOTIFY)) {
                return Mouse(*control, control->Width() / 2, control->Height() / 2, true);
            }
            return Refused("control " + Id(action.id) + " does not take clicks; use its own command");
        }
        case Action::Kind::ClickAt:
        case Action::Kind::MouseMove: {
            Window* control = Control(action.id, why);
            if (!control) return Refused(why);
            if (action.x < 0 || action.y < 0 || action.x >= control->Width() || action.y >= control->Height()) {
                return Refused("the point lies outside control " + Id(action.id));
            }
            return Mouse(*control, action.x, action.y, action.kind == Action::Kind::ClickAt);
        }
        case Action::Kind::Select:
        case Action::Kind::SelectIndex: {
            Window* control = Control(action.id, why);
            if (!control) return Refused(why);
            if (control->className != FW_CLASS_LISTBOX && control->className != FW_CLASS_COMBOBOX) {
                return Refused("control " + Id(action.id) + " is no list");
            }
            if (action.kind == Action::Kind::SelectIndex) return SelectIndex(*control, action.number);
            int index = -1;
            for (size_t i = 0; i < control->items.size() && index < 0; ++i) {
                if (control->items[i].text == action.text) index = static_cast<int>(i);
            }
            if (index < 0) index = ItemList::Find(control->items, -1, action.text, true);
            if (index < 0) return Refused("control " + Id(action.id) + " has no item \"" + action.text + "\"");
            return SelectIndex(*control, index);
        }
        case Action::Kind::Type: {
            Window* control = Control(action.id, why);
            if (!control) return Refused(why);
            if (control->className == FW_CLASS_EDIT) {
                if (control->style & ES_READONLY) return Refused("control " + Id(action.id) + " is read-only");
                m_desktop.NoteActivity();
                if (!EditControl::TypeText(control->handle, action.text)) {
                    return Refused("control " + Id(action.id) + " takes digits only");
                }
                return {};
            }
            if (control->className == FW_CLASS_COMBOBOX) {
                m_desktop.NoteActivity();
                if (!ComboBoxControl::TypeText(control->handle, action.text)) {
                    return Refused("control " + Id(action.id) + " is a drop-down list; select an item");
                }
                return {};
            }
            return Refused("control " + Id(action.id) + " takes no typing");
        }
        case Action::Kind::Slide: {
            Window* control = Control(action.id, why);
            if (!control) return Refused(why);
            if (control->className != FW_CLASS_TRACKBAR) return Refused("control " + Id(action.id) + " is no trackbar");
            const HWND handle = control->handle;
            const HWND parent = control->parent;
            const UINT scroll = (control->style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
            m_desktop.NoteActivity();
            m_desktop.Send(handle, TBM_SETPOS, TRUE, action.number);
            const auto position = static_cast<WORD>(m_desktop.Send(handle, TBM_GETPOS, 0, 0));
            const auto bar = reinterpret_cast<LPARAM>(handle);
            m_desktop.Send(parent, scroll, MAKEWPARAM(TB_THUMBTRACK, position), bar);
            m_desktop.Send(parent, scroll, MAKEWPARAM(TB_THUMBPOSITION, position), bar);
            m_desktop.Send(parent, scroll, MAKEWPARAM(TB_ENDTRACK, 0), bar);
            return {};
        }
        case Action::Kind::Back:
        case Action::Kind::Next:
        case Action::Kind::Finish:
        case Action::Kind::Help: {
            const UINT id = action.kind == Action::Kind::Back     ? ID_WIZBACK
                            : action.kind == Action::Kind::Next   ? ID_WIZNEXT
                            : action.kind == Action::Kind::Finish ? ID_WIZFINISH
                                                                  : IDHELP;
            Window* button = SheetButton(id, why);
            if (!button) return Refused(why);
            return ClickButton(*button);
        }
        case Action::Kind::Cancel: {
            const Window* active = m_desktop.Find(m_desktop.ActiveWindow());
            if (!active) return Refused("no window is open");
            if (active->kind == WindowKind::MessageBox) {
                const auto buttons = MessageBoxWindow::Buttons(active->boxStyle);
                if (std::find(buttons.begin(), buttons.end(), IDCANCEL) == buttons.end()) {
                    return Refused("the message box has no Cancel button");
                }
            }
            if (active->kind == WindowKind::Sheet) {
                Window* button = SheetButton(IDCANCEL, why);
                if (!button) return Refused(why);
                return ClickButton(*button);
            }
            Window* button = Control(IDCANCEL, why);
            if (button && button->className == FW_CLASS_BUTTON) return ClickButton(*button);
            if (active->kind == WindowKind::MessageBox) return Refused(why);
            m_desktop.NoteActivity();
            m_desktop.Send(active->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            return {};
        }
        case Action::Kind::Answer: {
            const Window* active = m_desktop.Find(m_desktop.ActiveWindow());
            if (!active || active->kind != WindowKind::MessageBox) return Refused("no message box is open");
            const auto buttons = MessageBoxWindow::Buttons(active->boxStyle);
            if (std::find(buttons.begin(), buttons.end(), action.number) == buttons.end()) {
                return Refused("the message box has no button " + std::to_string(action.number));
            }
            Window* button = Control(static_cast<UINT>(action.number), why);
            if (!button) return Refused(why);
            return ClickButton(*button);
        }
        case Action::Kind::SysCommand: {
            const Window* active = m_desktop.Find(m_desktop.ActiveWindow());
            if (!active) return Refused("no window is open");
            const auto* items = MenuTable::Get().Find(active->systemMenu);
            bool found = action.id == SC_CLOSE && (active->style & WS_SYSMENU);
            for (size_t i = 0; items && i < items->size() && !found; ++i) {
                found = (*items)[i].id == action.id && !((*items)[i].flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
            }
            if (!found) return Refused("the system menu has no command " + Id(action.id));
            m_desktop.NoteActivity();
            m_desktop.Send(active->handle, WM_SYSCOMMAND, action.id, 0);
            return {};
        }
        case Action::Kind::Close: {
            const Window* active = m_desktop.Find(m_desktop.ActiveWindow());
            if (!active) return Refused("no window is open");
            if (active->kind == WindowKind::MessageBox && MessageBoxWindow::CloseAnswer(active->boxStyle) == 0) {
                return Refused("this message box cannot be closed; answer it");
            }
            m_desktop.NoteActivity();
            m_desktop.Send(active->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            return {};
        }
        case Action::Kind::EndSession: {
            m_desktop.NoteActivity();
            std::vector<HWND> targets;
            for (HWND handle : m_desktop.TopLevelWindows()) {
                targets.push_back(handle);
                if (const Window* window = m_desktop.Find(handle); window && window->kind == WindowKind::Sheet) {
                    for (HWND child : window->children) {
                        const Window* page = m_desktop.Find(child);
                        if (page && page->kind == WindowKind::Page) targets.push_back(child);
                    }
                }
            }
            for (HWND target : targets) m_desktop.Send(target, WM_ENDSESSION, TRUE, 0);
            return {};
        }
        case Action::Kind::Key:
            if (!m_desktop.ActiveWindow()) return Refused("no window is open");
            return DialogManager::PressKey(m_desktop.ActiveWindow(), static_cast<UINT>(action.number), action.x);
        case Action::Kind::Wait:
            if (action.number < 0) return Refused("time does not run backwards");
            m_desktop.Wait(static_cast<uint64_t>(action.number));
            return {};
    }
    return Refused("unknown action");
}

}  // namespace fw::headless
