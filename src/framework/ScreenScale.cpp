// Sizes meant for a 96-dpi screen, on the screen the windows are on.
#include "framework/WindowSystem.h"

namespace fw::ws {

int ScaleForScreen(int pixels) {
    if (pixels <= 0) return pixels;
    const int dpi = ScreenPixelsPerInch();
    const int scaled = (pixels * dpi + 48) / 96;
    return scaled > 0 ? scaled : 1;
}

}  // namespace fw::ws
