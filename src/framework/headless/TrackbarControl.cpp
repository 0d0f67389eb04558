#include "framework/headless/TrackbarControl.h"

#include <algorithm>
#include <utility>

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {

int TrackbarControl::Clamp(const Window& window, int position) {
    if (window.rangeMax < window.rangeMin) return window.rangeMin;
    return std::clamp(position, window.rangeMin, window.rangeMax);
}

LRESULT TrackbarControl::Key(Window& window, UINT key) {
    int code = -1;
    int position = window.position;
    switch (key) {
        case VK_LEFT:
        case VK_UP: code = TB_LINEUP; position -= window.lineSize; break;
        case VK_RIGHT:
        case VK_DOWN: code = TB_LINEDOWN; position += window.lineSize; break;
        case VK_PRIOR: code = TB_PAGEUP; position -= window.pageSize; break;
        case VK_NEXT: code = TB_PAGEDOWN; position += window.pageSize; break;
        case VK_HOME: code = TB_TOP; position = window.rangeMin; break;
        case VK_END: code = TB_BOTTOM; position = window.rangeMax; break;
        default: return 0;
    }
    const HWND handle = window.handle;
    const HWND parent = window.parent;
    window.position = Clamp(window, position);
    Desktop& desktop = Desktop::Get();
    desktop.Invalidate(handle);
    // As the system's trackbar does: the step, then the end of the move when the key is let go.
    const UINT scroll = (window.style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    const auto bar = reinterpret_cast<LPARAM>(handle);
    desktop.Send(parent, scroll, MAKEWPARAM(code, 0), bar);
    desktop.Send(parent, scroll, MAKEWPARAM(TB_ENDTRACK, 0), bar);
    return 0;
}

LRESULT TrackbarControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case TBM_GETPOS: return window.position;
        case TBM_GETRANGEMIN: return window.rangeMin;
        case TBM_GETRANGEMAX: return window.rangeMax;
        case TBM_SETPOS:
            window.position = Clamp(window, static_cast<int>(lParam));
            desktop.Invalidate(window.handle);
            return 0;
        case TBM_SETRANGE:
            window.rangeMin = static_cast<short>(LOWORD(lParam));
            window.rangeMax = static_cast<short>(HIWORD(lParam));
            window.position = Clamp(window, window.position);
            desktop.Invalidate(window.handle);
            return 0;
        case TBM_SETRANGEMIN:
            window.rangeMin = static_cast<int>(lParam);
            window.position = Clamp(window, window.position);
            desktop.Invalidate(window.handle);
            return 0;
        case TBM_SETRANGEMAX:
            window.rangeMax = static_cast<int>(lParam);
            window.position = Clamp(window, window.position);
            desktop.Invalidate(window.handle);
            return 0;
        case TBM_SETTICFREQ:
            window.ticFrequency = static_cast<int>(wParam);
            desktop.Invalidate(window.handle);
            return 0;
        case TBM_SETPAGESIZE: return std::exchange(window.pageSize, static_cast<int>(lParam));
        case TBM_GETPAGESIZE: return window.pageSize;
        case TBM_SETLINESIZE: return std::exchange(window.lineSize, static_cast<int>(lParam));
        case TBM_GETLINESIZE: return window.lineSize;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN: return Key(window, static_cast<UINT>(wParam));
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
