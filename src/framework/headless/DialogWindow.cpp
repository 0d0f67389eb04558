#include "framework/headless/DialogWindow.h"

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {

LRESULT DialogWindow::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && window.kind == WindowKind::Dialog) {
        Desktop& desktop = Desktop::Get();
        HWND cancel = nullptr;
        for (HWND child : window.children) {
            const Window* control = desktop.Find(child);
            if (control && control->id == IDCANCEL) cancel = child;
        }
        // As the system does: a disabled Cancel button also disables closing.
        const Window* cancelWindow = desktop.Find(cancel);
        if (cancelWindow && !cancelWindow->Enabled()) return 0;
        desktop.Post(window.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    return GenericWindow::Proc(window, message, wParam, lParam);
}

}  // namespace fw::headless
