// Places a dialog as the system places its message boxes: centred over its owner, or over the
// screen's work area when it has none, and kept inside the work area of the owner's monitor.
#pragma once

#include "framework/UiTypes.h"

namespace fw::win32 {

void CentreOverOwner(HWND window);

}  // namespace fw::win32
