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
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
