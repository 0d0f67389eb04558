// Painting a window: begins the paint on construction and ends it on destruction.
#pragma once

#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    RECT m_rcPaint{0, 0, 0, 0};  // the area to paint

private:
    HWND m_hWnd = nullptr;
};
