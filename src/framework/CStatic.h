// Static control: text, picture (bitmap or icon), frame.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    // Shows bitmap; returns the bitmap shown before (the caller owns it) or null.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};
