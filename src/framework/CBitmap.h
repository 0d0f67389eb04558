// A bitmap of the dialog library.
#pragma once

#include "framework/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    // Bitmap id of module, stretched to width x height (0: its own size).
    BOOL LoadBitmapSized(HMODULE module, UINT id, int width, int height);
    static CBitmap* FromHandle(HBITMAP bitmap) { return Borrow<CBitmap>(bitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
