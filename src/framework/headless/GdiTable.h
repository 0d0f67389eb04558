// The drawing objects and device contexts of the headless backend, by handle.
#pragma once

#include <map>
#include <memory>

#include "framework/UiTypes.h"
#include "framework/headless/PixelBuffer.h"

namespace fw::headless {

enum class GdiKind { Pen, Brush, Font, Bitmap, Icon };

struct GdiObject {
    GdiKind kind = GdiKind::Pen;
    bool stock = false;  // never deleted
    int penStyle = PS_SOLID;
    int penWidth = 1;
    COLORREF color = 0;  // pen or brush colour
    LOGFONT font{};
    UINT resourceId = 0;  // bitmap or icon id
    PixelBuffer pixels;   // bitmap contents
};

struct DeviceContext {
    HWND window = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF backColor = 0xFFFFFF;
    int backMode = OPAQUE;
    POINT position{0, 0};
};

class GdiTable {
public:
    static GdiTable& Get();

    HGDIOBJ Add(GdiObject object);
    GdiObject* Find(HGDIOBJ handle);
    bool Delete(HGDIOBJ handle);  // false for stock objects and unknown handles
    HGDIOBJ StockPen() const { return m_stockPen; }
    HGDIOBJ StockBrush() const { return m_stockBrush; }
    HGDIOBJ StockFont() const { return m_stockFont; }

    HDC OpenDC(HWND window);
    DeviceContext* FindDC(HDC dc);
    void CloseDC(HDC dc);

    // A deterministic picture standing for bitmap id of the dialog library.
    static PixelBuffer BitmapPicture(UINT id, int width, int height);

private:
    GdiTable();

    std::map<HGDIOBJ, std::unique_ptr<GdiObject>> m_objects;
    std::map<HDC, DeviceContext> m_contexts;
    uintptr_t m_next = 0x20000;
    HGDIOBJ m_stockPen = nullptr;
    HGDIOBJ m_stockBrush = nullptr;
    HGDIOBJ m_stockFont = nullptr;
};

}  // namespace fw::headless
