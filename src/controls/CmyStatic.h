// Static control: captions by string id, bitmaps of the dialog library, solid colour fields.
#pragma once

#include <string>

#include "framework/CStatic.h"

class CmyStatic : public CStatic {
public:
    ~CmyStatic() override = default;

    // String stringId; a non-empty argument fills its one "%s".
    void SetCaption(UINT stringId, const std::string& argument = {});
    // Shows bitmap bitmapId of the dialog library in a frame of rect's size: the drawing for
    // the screen's resolution nearest the frame, whole and in its own shape (a picture control
    // with SS_CENTERIMAGE centres it). 1 when a bitmap shown before was replaced (and deleted),
    // else 0.
    using CStatic::SetBitmap;
    int SetBitmap(UINT bitmapId, const RECT& rect);
    // Paints the whole client area in color.
    void FillColor(COLORREF color);
};
