// The drawing objects and device contexts of the headless backend, by handle, and what the
// backend knows of the system's bitmaps and icons it handed out (their resource ids).
#pragma once

#include <map>
#include <memory>

#include "framework/UiTypes.h"
#include "framework/headless/PixelBuffer.h"

namespace fw::headless {

enum class GdiKind { Pen, Brush, Font };

struct GdiObject {
    GdiKind kind = GdiKind::Pen;
    bool stock = false;  // never deleted
    int penStyle = PS_SOLID;
    int penWidth = 1;
    COLORREF color = 0;  // pen or brush colour
    LOGFONT font{};
};

// A bitmap or icon of the system, loaded from a resource through the framework.
struct PictureRecord {
    bool icon = false;
    bool shared = false;  // one of the system's own icons: never destroyed
    UINT resourceId = 0;
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

    // Pens, brushes and fonts made and not yet deleted (stock objects are not counted), and
    // device contexts not yet closed.
    std::size_t LiveObjects() const;
    std::size_t OpenDCs() const { return m_contexts.size(); }

    void RememberPicture(HGDIOBJ handle, PictureRecord record) { m_pictures[handle] = record; }
    const PictureRecord* FindPicture(HGDIOBJ handle) const;
    void ForgetPicture(HGDIOBJ handle) { m_pictures.erase(handle); }

private:
    GdiTable();

    std::map<HGDIOBJ, std::unique_ptr<GdiObject>> m_objects;
    std::map<HDC, DeviceContext> m_contexts;
    std::map<HGDIOBJ, PictureRecord> m_pictures;
    // Far above the system's handle values, so that the two never meet.
    uintptr_t m_next = static_cast<uintptr_t>(0x7E5A00000000ull);
    HGDIOBJ m_stockPen = nullptr;
    HGDIOBJ m_stockBrush = nullptr;
    HGDIOBJ m_stockFont = nullptr;
};

}  // namespace fw::headless
