// The bitmaps and icons the framework loaded for its callers (fw::ws::LoadBitmapSized,
// fw::ws::LoadIconResource). A picture handed to a static control stays the framework's until
// someone takes it back and releases it; whatever a dialog's pictures still show when the
// dialog goes is released with it, so no run of a dialog or wizard leaves a picture behind.
#pragma once

#include <cstddef>

#include "framework/UiTypes.h"

namespace fw {

class OwnedPictures {
public:
    static void Own(HGDIOBJ picture);
    // True when the framework owned it; from now on the caller releases it.
    static bool Disown(HGDIOBJ picture);
    static bool IsOwned(HGDIOBJ picture);
    static std::size_t Count();
    // Releases the owned bitmaps and icons that the static controls of window still show
    // (window is going: its children are still there).
    static void ReleaseShownBy(HWND window);
};

}  // namespace fw
