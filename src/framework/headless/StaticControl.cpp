#include "framework/headless/StaticControl.h"

#include "framework/headless/Desktop.h"
#include "framework/headless/PlatformPicture.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {
namespace {

constexpr DWORD kRealSizeControl = 0x0040;  // SS_REALSIZECONTROL: keep the control's size

LRESULT SetBitmap(Window& window, HBITMAP bitmap) {
    const HBITMAP previous = window.bitmap;
    window.bitmap = bitmap;
    // A bitmap picture takes the size of its bitmap, as the system's static control does.
    if (window.StaticType() == SS_BITMAP && !(window.style & (SS_CENTERIMAGE | kRealSizeControl))) {
        if (SIZE size{}; PlatformPicture::BitmapSize(bitmap, &size)) {
            window.rect.right = window.rect.left + size.cx;
            window.rect.bottom = window.rect.top + size.cy;
        }
    }
    Desktop::Get().Invalidate(window.handle);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT SetIcon(Window& window, HICON icon) {
    const HICON previous = window.icon;
    window.icon = icon;
    Desktop::Get().Invalidate(window.handle);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT StaticControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case STM_SETIMAGE:
            if (wParam == IMAGE_BITMAP) return SetBitmap(window, reinterpret_cast<HBITMAP>(lParam));
            if (wParam == IMAGE_ICON) return SetIcon(window, reinterpret_cast<HICON>(lParam));
            return 0;
        case STM_GETIMAGE:
            if (wParam == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(window.bitmap);
            if (wParam == IMAGE_ICON) return reinterpret_cast<LRESULT>(window.icon);
            return 0;
        case STM_SETICON: return SetIcon(window, reinterpret_cast<HICON>(wParam));
        case STM_GETICON: return reinterpret_cast<LRESULT>(window.icon);
        case WM_GETDLGCODE: return DLGC_STATIC;
        case WM_LBUTTONDOWN:
            if (window.style & SS_NOTIFY) Desktop::Get().NotifyParent(window.handle, STN_CLICKED);
            return 0;
        case WM_LBUTTONDBLCLK:
            if (window.style & SS_NOTIFY) Desktop::Get().NotifyParent(window.handle, STN_DBLCLK);
            return 0;
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
