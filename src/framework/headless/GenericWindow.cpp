#include "framework/headless/GenericWindow.h"

#include <cstring>

#include "framework/headless/Desktop.h"
#include "framework/headless/Look.h"

namespace fw::headless {

LRESULT GenericWindow::CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    if (!buffer || size == 0) return 0;
    const size_t count = text.size() < size - 1 ? text.size() : size - 1;
    char* target = reinterpret_cast<char*>(buffer);
    std::memcpy(target, text.data(), count);
    target[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT GenericWindow::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case WM_SETTEXT:
            window.text = TextOf(lParam);
            desktop.Invalidate(window.handle);
            return TRUE;
        case WM_GETTEXT: return CopyText(window.text, wParam, lParam);
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window.text.size());
        case WM_SETFONT:
            window.font = reinterpret_cast<HFONT>(wParam);
            if (lParam) desktop.Invalidate(window.handle);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(window.font);
        case WM_SETICON: {
            HICON& slot = wParam == ICON_BIG ? window.bigIcon : window.smallIcon;
            const HICON previous = slot;
            slot = reinterpret_cast<HICON>(lParam);
            return reinterpret_cast<LRESULT>(previous);
        }
        case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window.bigIcon : window.smallIcon);
        case WM_PAINT:
            Look::Paint(window);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0u) == SC_CLOSE) desktop.Send(window.handle, WM_CLOSE, 0, 0);
            return 0;
        case WM_INITDIALOG: return TRUE;
        default: return 0;
    }
}

}  // namespace fw::headless
