// The window calls of the window system, on real windows.
#include <string>

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"
#include "framework/win32/WindowBinding.h"

namespace fw::ws {

using fw::win32::WindowBinding;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window, message, wParam, lParam);
}

BOOL Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(window, message, wParam, lParam);
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!::IsWindow(window)) return 0;
    return WindowBinding::CallDefault(window, message, wParam, lParam);
}

void AttachObject(HWND window, CWnd* object) { WindowBinding::Attach(window, object); }

void DetachObject(HWND window) { WindowBinding::Detach(window); }

CWnd* AttachedObject(HWND window) { return WindowBinding::Object(window); }

BOOL IsWindow(HWND window) { return window && ::IsWindow(window) ? TRUE : FALSE; }

HWND Parent(HWND window) {
    if (!::IsWindow(window)) return nullptr;
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) return ::GetParent(window);
    return GetWindow(window, GW_OWNER);
}

HWND DialogItem(HWND dialog, int id) { return ::IsWindow(dialog) ? GetDlgItem(dialog, id) : nullptr; }

int ControlId(HWND window) { return ::IsWindow(window) ? GetDlgCtrlID(window) : 0; }

std::string WindowClass(HWND window) {
    char name[256] = {};
    if (!::IsWindow(window) || GetClassNameA(window, name, sizeof(name)) <= 0) return {};
    // Class names compare as the templates spell them (the system ignores their case).
    static const char* const kKnown[] = {FW_CLASS_BUTTON, FW_CLASS_STATIC, FW_CLASS_EDIT,
                                         FW_CLASS_LISTBOX, FW_CLASS_COMBOBOX, FW_CLASS_TRACKBAR};
    for (const char* known : kKnown) {
        if (lstrcmpiA(name, known) == 0) return known;
    }
    return name;
}

DWORD Style(HWND window) { return ::IsWindow(window) ? static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) : 0; }

HWND FirstChild(HWND window) { return ::IsWindow(window) ? GetWindow(window, GW_CHILD) : nullptr; }

HWND NextSibling(HWND window) {
    if (!::IsWindow(window) || !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    return GetWindow(window, GW_HWNDNEXT);
}

BOOL WindowRect(HWND window, RECT* rect) { return rect ? GetWindowRect(window, rect) : FALSE; }

BOOL ClientRect(HWND window, RECT* rect) { return rect ? GetClientRect(window, rect) : FALSE; }

BOOL Move(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return MoveWindow(window, x, y, width, height, repaint);
}

BOOL ScreenToClientPoint(HWND window, POINT* point) { return point ? ScreenToClient(window, point) : FALSE; }

BOOL ClientToScreenPoint(HWND window, POINT* point) { return point ? ClientToScreen(window, point) : FALSE; }

BOOL Enable(HWND window, BOOL enable) { return ::IsWindow(window) ? EnableWindow(window, enable) : FALSE; }

BOOL IsEnabled(HWND window) { return IsWindowEnabled(window); }

BOOL Show(HWND window, int command) { return ::IsWindow(window) ? ShowWindow(window, command) : FALSE; }

BOOL IsVisible(HWND window) { return IsWindowVisible(window); }

HWND Find(const char* className, const char* title) { return FindWindowA(className, title); }

BOOL Destroy(HWND window) { return ::IsWindow(window) ? DestroyWindow(window) : FALSE; }

HWND Focus() { return GetFocus(); }

HWND SetFocusTo(HWND window) { return SetFocus(window); }

UINT_PTR StartTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return SetTimer(window, id, elapse, callback);
}

BOOL StopTimer(HWND window, UINT_PTR id) { return KillTimer(window, id); }

HWND Capture(HWND window) { return SetCapture(window); }

BOOL ReleaseTheCapture() { return ReleaseCapture(); }

HWND CaptureWindow() { return GetCapture(); }

void InvalidateWindow(HWND window) { InvalidateRect(window, nullptr, TRUE); }

void UpdateNow(HWND window) { UpdateWindow(window); }

HMENU SystemMenu(HWND window, BOOL revert) {
    if (!::IsWindow(window) || !(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU)) return nullptr;
    return GetSystemMenu(window, revert);
}

BOOL MenuAppend(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
    if (flags & MF_SEPARATOR) return AppendMenuA(menu, flags, 0, nullptr);
    return AppendMenuA(menu, flags, id, text ? text : "");
}

int MenuItemCount(HMENU menu) { return GetMenuItemCount(menu); }

UINT MenuItemId(HMENU menu, int position) {
    if (position < 0 || position >= GetMenuItemCount(menu)) return static_cast<UINT>(-1);
    return GetMenuItemID(menu, position);
}

std::string MenuItemText(HMENU menu, int position) {
    if (position < 0 || position >= GetMenuItemCount(menu)) return {};
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

}  // namespace fw::ws
