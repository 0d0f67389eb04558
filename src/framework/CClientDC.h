// Drawing on a window's client area outside painting (immediate redraws).
#pragma once

#include "framework/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_hWnd = nullptr;
};
