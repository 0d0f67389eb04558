#include "framework/win32/WindowBinding.h"

#include "framework/CWnd.h"
#include "framework/win32/SheetRunner.h"

namespace fw::win32 {
namespace {

constexpr const char* kObjectProperty = "FwObject";
constexpr const char* kProcProperty = "FwOriginalProc";

WNDPROC OriginalProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, kProcProperty)); }

BOOL CALLBACK ForgetTempObject(HWND child, LPARAM) {
    CWnd::DeleteTempObject(child);
    return TRUE;
}

}  // namespace

void WindowBinding::Attach(HWND window, CWnd* object) {
    if (!::IsWindow(window)) return;
    const auto ours = reinterpret_cast<LONG_PTR>(&WindowBinding::Proc);
    if (!OriginalProc(window) && GetWindowLongPtrA(window, GWLP_WNDPROC) != ours) {
        // Never keep our own procedure as the one to fall back on: defaults would come back here.
        const auto previous = SetWindowLongPtrA(window, GWLP_WNDPROC, ours);
        SetPropA(window, kProcProperty, reinterpret_cast<HANDLE>(previous));
    }
    SetPropA(window, kObjectProperty, reinterpret_cast<HANDLE>(object));
}

void WindowBinding::Detach(HWND window) {
    if (!::IsWindow(window)) return;
    RemovePropA(window, kObjectProperty);
    const WNDPROC original = OriginalProc(window);
    if (!original) return;
    // Only undo our own subclassing; a later one on top of ours keeps calling us.
    if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowBinding::Proc)) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(window, kProcProperty);
    }
}

CWnd* WindowBinding::Object(HWND window) {
    if (!window || !::IsWindow(window)) return nullptr;
    return reinterpret_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

LRESULT WindowBinding::CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const WNDPROC original = OriginalProc(window)) return CallWindowProcA(original, window, message, wParam, lParam);
    // Not subclassed (any more): the class's procedure, never ours, which would come back here.
    const auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
    if (classProc && classProc != &WindowBinding::Proc) return CallWindowProcA(classProc, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void WindowBinding::Forget(HWND window) {
    if (CWnd* object = Object(window); object && object->m_hWnd == window) object->m_hWnd = nullptr;
    RemovePropA(window, kObjectProperty);
    CWnd::DeleteTempObject(window);
}

LRESULT CALLBACK WindowBinding::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = OriginalProc(window);
    CWnd* object = Object(window);
    if (SheetRunner::HandleSheetMessage(window, message)) return 0;
    if (message == WM_DESTROY) {
        // Children are still there: their temporary objects go with them.
        EnumChildWindows(window, &ForgetTempObject, 0);
    }
    if (message == WM_NCDESTROY) {
        LRESULT result = 0;
        if (object) result = object->HandleMessage(message, wParam, lParam);
        else if (original) result = CallWindowProcA(original, window, message, wParam, lParam);
        Forget(window);
        if (original) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            RemovePropA(window, kProcProperty);
        }
        return result;
    }
    SheetRunner::PassToPages(window, message, wParam, lParam);
    if (!object) {
        return original ? CallWindowProcA(original, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (message == WM_NOTIFY && SheetRunner::SwallowPageNotification(object, lParam, &result)) {
        SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
        return result;
    }
    result = object->HandleMessage(message, wParam, lParam);
    if (message == WM_NOTIFY) {
        result = SheetRunner::TranslatePageResult(object, lParam, result);
        // Dialog procedures hand notification results over through DWLP_MSGRESULT.
        if (GetClassLongPtrA(window, GCW_ATOM) == 32770) SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    }
    return result;
}

}  // namespace fw::win32
