#include "framework/OwnedPictures.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "framework/WindowSystem.h"

namespace fw {
namespace {

std::set<HGDIOBJ>& Owned() {
    static std::set<HGDIOBJ> owned;
    return owned;
}

bool IsStatic(HWND window) {
    const std::string name = fw::ws::WindowClass(window);
    const std::string wanted = FW_CLASS_STATIC;
    return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

void ReleaseImage(HWND control, WPARAM type) {
    const auto picture = reinterpret_cast<HGDIOBJ>(fw::ws::Send(control, STM_GETIMAGE, type, 0));
    if (!picture || !OwnedPictures::IsOwned(picture)) return;
    // Take it off the control first, so that nothing draws with a released handle.
    fw::ws::Send(control, STM_SETIMAGE, type, 0);
    fw::ws::DeleteGdiObject(picture);
}

}  // namespace

void OwnedPictures::Own(HGDIOBJ picture) {
    if (picture) Owned().insert(picture);
}

bool OwnedPictures::Disown(HGDIOBJ picture) { return Owned().erase(picture) != 0; }

bool OwnedPictures::IsOwned(HGDIOBJ picture) { return Owned().count(picture) != 0; }

std::size_t OwnedPictures::Count() { return Owned().size(); }

void OwnedPictures::ReleaseShownBy(HWND window) {
    for (HWND child = fw::ws::FirstChild(window); child; child = fw::ws::NextSibling(child)) {
        if (!IsStatic(child)) continue;
        ReleaseImage(child, IMAGE_BITMAP);
        ReleaseImage(child, IMAGE_ICON);
    }
}

}  // namespace fw
