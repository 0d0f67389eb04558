// A solid brush: area fills and the inside of Rectangle.
#pragma once

#include "framework/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    static CBrush* FromHandle(HBRUSH brush) { return Borrow<CBrush>(brush); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
