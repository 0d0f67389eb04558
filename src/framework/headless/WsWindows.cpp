// The window calls of the window system, on headless windows.
#include <cstring>
#include <map>

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"
#include "framework/headless/ButtonControl.h"
#include "framework/headless/ComboBoxControl.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogWindow.h"
#include "framework/headless/EditControl.h"
#include "framework/headless/GenericWindow.h"
#include "framework/headless/ListBoxControl.h"
#include "framework/headless/MenuTable.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/SheetController.h"
#include "framework/headless/StaticControl.h"
#include "framework/headless/TrackbarControl.h"

namespace fw::ws {
namespace {

using headless::Desktop;
using headless::Window;
using headless::WindowKind;

Window* Find(HWND window) { return Desktop::Get().Find(window); }

}  // namespace

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Desktop::Get().Send(window, message, wParam, lParam);
}

BOOL Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Desktop::Get().Post(window, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT DefaultProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(handle);
    if (!window) return 0;
    switch (window->kind) {
        case WindowKind::Sheet: return window->sheet->Proc(*window, message, wParam, lParam);
        case WindowKind::MessageBox: return headless::MessageBoxWindow::Proc(*window, message, wParam, lParam);
        case WindowKind::Dialog:
        case WindowKind::Page: return headless::DialogWindow::Proc(*window, message, wParam, lParam);
        case WindowKind::Control: break;
    }
    const std::string& cls = window->className;
    if (cls == FW_CLASS_BUTTON) return headless::ButtonControl::Proc(*window, message, wParam, lParam);
    if (cls == FW_CLASS_STATIC) return headless::StaticControl::Proc(*window, message, wParam, lParam);
    if (cls == FW_CLASS_EDIT) return headless::EditControl::Proc(*window, message, wParam, lParam);
    if (cls == FW_CLASS_LISTBOX) return headless::ListBoxControl::Proc(*window, message, wParam, lParam);
    if (cls == FW_CLASS_COMBOBOX) return headless::ComboBoxControl::Proc(*window, message, wParam, lParam);
    if (cls == FW_CLASS_TRACKBAR) return headless::TrackbarControl::Proc(*window, message, wParam, lParam);
    return headless::GenericWindow::Proc(*window, message, wParam, lParam);
}

void AttachObject(HWND window, CWnd* object) {
    if (Window* target = Find(window)) target->object = object;
}

void DetachObject(HWND window) {
    if (Window* target = Find(window)) target->object = nullptr;
}

CWnd* AttachedObject(HWND window) {
    const Window* target = Find(window);
    return target ? target->object : nullptr;
}

BOOL IsWindow(HWND window) { return Find(window) ? TRUE : FALSE; }

HWND Parent(HWND window) {
    const Window* target = Find(window);
    return target ? target->parent : nullptr;
}

HWND DialogItem(HWND dialog, int id) {
    const Window* parent = Find(dialog);
    if (!parent) return nullptr;
    for (HWND child : parent->children) {
        const Window* control = Find(child);
        if (control && control->kind == WindowKind::Control && static_cast<int>(control->id) == id) return child;
    }
    return nullptr;
}

int ControlId(HWND window) {
    const Window* target = Find(window);
    return target ? static_cast<int>(target->id) : 0;
}

std::string WindowClass(HWND window) {
    const Window* target = Find(window);
    return target ? target->className : std::string();
}

DWORD Style(HWND window) {
    const Window* target = Find(window);
    return target ? target->style : 0;
}

HWND FirstChild(HWND window) {
    const Window* target = Find(window);
    return target && !target->children.empty() ? target->children.front() : nullptr;
}

HWND NextSibling(HWND window) {
    const Window* target = Find(window);
    const Window* parent = target && !target->IsTopLevel() ? Find(target->parent) : nullptr;
    if (!parent) return nullptr;
    const auto& siblings = parent->children;
    for (size_t i = 0; i + 1 < siblings.size(); ++i) {
        if (siblings[i] == window) return siblings[i + 1];
    }
    return nullptr;
}

BOOL WindowRect(HWND window, RECT* rect) {
    const Window* target = Find(window);
    if (!target || !rect) return FALSE;
    const POINT origin = Desktop::Get().ScreenOrigin(window);
    *rect = RECT{origin.x, origin.y, origin.x + target->Width(), origin.y + target->Height()};
    return TRUE;
}

BOOL ClientRect(HWND window, RECT* rect) {
    const Window* target = Find(window);
    if (!target || !rect) return FALSE;
    *rect = RECT{0, 0, target->Width(), target->Height()};
    return TRUE;
}

BOOL Move(HWND window, int x, int y, int width, int height, BOOL repaint) {
    Window* target = Find(window);
    if (!target) return FALSE;
    target->rect = RECT{x, y, x + width, y + height};
    if (repaint) Desktop::Get().Invalidate(window);
    return TRUE;
}

BOOL ScreenToClientPoint(HWND window, POINT* point) {
    if (!Find(window) || !point) return FALSE;
    const POINT origin = Desktop::Get().ScreenOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreenPoint(HWND window, POINT* point) {
    if (!Find(window) || !point) return FALSE;
    const POINT origin = Desktop::Get().ScreenOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL Enable(HWND window, BOOL enable) {
    Window* target = Find(window);
    if (!target) return FALSE;
    const BOOL wasDisabled = target->Enabled() ? FALSE : TRUE;
    if (enable) target->style &= ~WS_DISABLED;
    else target->style |= WS_DISABLED;
    if (static_cast<bool>(wasDisabled) == static_cast<bool>(enable)) {
        Desktop::Get().Invalidate(window);
        Desktop::Get().Send(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsEnabled(HWND window) {
    const Window* target = Find(window);
    return target && target->Enabled() ? TRUE : FALSE;
}

BOOL Show(HWND window, int command) {
    Window* target = Find(window);
    if (!target) return FALSE;
    const BOOL wasVisible = target->Visible() ? TRUE : FALSE;
    if (command == SW_HIDE) target->style &= ~WS_VISIBLE;
    else target->style |= WS_VISIBLE;
    if (target->Visible() != static_cast<bool>(wasVisible)) Desktop::Get().Invalidate(target->IsTopLevel() ? window : target->parent);
    return wasVisible;
}

BOOL IsVisible(HWND window) {
    for (const Window* target = Find(window); target; target = target->IsTopLevel() ? nullptr : Find(target->parent)) {
        if (!target->Visible()) return FALSE;
    }
    return Find(window) ? TRUE : FALSE;
}

HWND Find(const char* className, const char* title) {
    for (HWND handle : Desktop::Get().TopLevelWindows()) {
        const Window* window = Desktop::Get().Find(handle);
        if (className && window->className != className) continue;
        if (title && window->text != title) continue;
        return handle;
    }
    return nullptr;
}

BOOL Destroy(HWND window) {
    if (!Find(window)) return FALSE;
    Desktop::Get().DestroyWindow(window);
    return TRUE;
}

HWND Focus() { return Desktop::Get().Focus(); }

HWND SetFocusTo(HWND window) { return Desktop::Get().SetFocus(window); }

UINT_PTR StartTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return Desktop::Get().StartTimer(window, id, elapse, callback);
}

BOOL StopTimer(HWND window, UINT_PTR id) { return Desktop::Get().StopTimer(window, id) ? TRUE : FALSE; }

HWND Capture(HWND window) { return Desktop::Get().SetCapture(window); }

BOOL ReleaseTheCapture() { return Desktop::Get().ReleaseCapture() ? TRUE : FALSE; }

HWND CaptureWindow() { return Desktop::Get().Capture(); }

void InvalidateWindow(HWND window) { Desktop::Get().Invalidate(window); }

void UpdateNow(HWND window) { Desktop::Get().PaintNow(window); }

HMENU SystemMenu(HWND window, BOOL revert) {
    Window* target = Find(window);
    if (!target || !target->IsTopLevel() || !(target->style & WS_SYSMENU)) return nullptr;
    auto& menus = headless::MenuTable::Get();
    if (!target->systemMenu) target->systemMenu = menus.CreateSystemMenu();
    if (revert) {
        menus.Reset(target->systemMenu);
        return nullptr;
    }
    return target->systemMenu;
}

BOOL MenuAppend(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
    auto* items = headless::MenuTable::Get().Find(menu);
    if (!items) return FALSE;
    const bool separator = (flags & MF_SEPARATOR) != 0;
    items->push_back(headless::MenuItem{flags, separator ? 0 : id, separator || !text ? std::string() : std::string(text)});
    return TRUE;
}

int MenuItemCount(HMENU menu) {
    const auto* items = headless::MenuTable::Get().Find(menu);
    return items ? static_cast<int>(items->size()) : -1;
}

UINT MenuItemId(HMENU menu, int position) {
    const auto* items = headless::MenuTable::Get().Find(menu);
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return static_cast<UINT>(-1);
    return static_cast<UINT>((*items)[static_cast<size_t>(position)].id);
}

std::string MenuItemText(HMENU menu, int position) {
    const auto* items = headless::MenuTable::Get().Find(menu);
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return {};
    return (*items)[static_cast<size_t>(position)].text;
}

}  // namespace fw::ws
