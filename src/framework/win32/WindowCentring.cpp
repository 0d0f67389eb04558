#include "framework/win32/WindowCentring.h"

#include <algorithm>

namespace fw::win32 {

void CentreOverOwner(HWND window) {
    RECT own{};
    if (!GetWindowRect(window, &own)) return;
    const HWND owner = GetWindow(window, GW_OWNER);
    // A hidden or minimised owner is no place to be centred over.
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR screen = MonitorFromWindow(overOwner ? owner : window, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoA(screen, &monitor)) return;
    const RECT work = monitor.rcWork;

    RECT centre = work;
    if (overOwner) GetWindowRect(owner, &centre);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    LONG left = centre.left + ((centre.right - centre.left) - width) / 2;
    LONG top = centre.top + ((centre.bottom - centre.top) - height) / 2;
    // Kept on the screen, the title bar first when the dialog is larger than the work area.
    left = std::max(work.left, std::min(left, work.right - width));
    top = std::max(work.top, std::min(top, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fw::win32
