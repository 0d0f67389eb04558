// Ties C++ window objects to real windows: the window procedure is replaced by ours
// (subclassing), the object and the replaced procedure are kept in window properties, and
// every message then reaches CWnd::HandleMessage. What the object leaves to Default() goes to
// the replaced procedure, which is the window's class.
#pragma once

#include "framework/UiTypes.h"

class CWnd;

namespace fw::win32 {

class WindowBinding {
public:
    static void Attach(HWND window, CWnd* object);
    static void Detach(HWND window);
    static CWnd* Object(HWND window);
    // The class's handling of a message (the procedure the binding replaced, else the current one).
    static LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Forget(HWND window);
};

}  // namespace fw::win32
