// Message boxes whose text and caption come from the string library by id.
#pragma once

#include <string>

#include "platform/win32api.h"

class CmyMessageBox {
public:
    // captionId -1 means no caption. A non-empty argument fills the text's one "%s".
    // Returns the id of the button pressed.
    int Show(HWND owner, UINT textId, UINT style, int captionId, const std::string& argument = {}) const;
    // Task-modal box without owner; caption IDS_CAPTION_ERROR for style 0x10, IDS_CAPTION_WARNING
    // for 0x30, empty otherwise.
    int ShowText(const std::string& text, UINT style) const;
};
