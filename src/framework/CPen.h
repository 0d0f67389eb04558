// A pen: lines drawn with LineTo and outlines of Rectangle.
#pragma once

#include "framework/CGdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    static CPen* FromHandle(HPEN pen) { return Borrow<CPen>(pen); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};
