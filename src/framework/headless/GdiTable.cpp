#include "framework/headless/GdiTable.h"

#include <cstring>
#include <string>

#include "framework/headless/BitmapFont.h"

namespace fw::headless {

GdiTable& GdiTable::Get() {
    static GdiTable table;
    return table;
}

GdiTable::GdiTable() {
    GdiObject pen;
    pen.kind = GdiKind::Pen;
    pen.stock = true;
    m_stockPen = Add(pen);
    GdiObject brush;
    brush.kind = GdiKind::Brush;
    brush.stock = true;
    brush.color = 0xFFFFFF;
    m_stockBrush = Add(brush);
    GdiObject font;
    font.kind = GdiKind::Font;
    font.stock = true;
    font.font.lfWeight = FW_NORMAL;
    std::strcpy(font.font.lfFaceName, "System");
    m_stockFont = Add(font);
}

HGDIOBJ GdiTable::Add(GdiObject object) {
    m_next += 4;
    const auto handle = reinterpret_cast<HGDIOBJ>(m_next);
    m_objects[handle] = std::make_unique<GdiObject>(std::move(object));
    return handle;
}

GdiObject* GdiTable::Find(HGDIOBJ handle) {
    const auto found = m_objects.find(handle);
    return found == m_objects.end() ? nullptr : found->second.get();
}

bool GdiTable::Delete(HGDIOBJ handle) {
    const auto found = m_objects.find(handle);
    if (found == m_objects.end() || found->second->stock) return false;
    m_objects.erase(found);
    return true;
}

HDC GdiTable::OpenDC(HWND window) {
    m_next += 4;
    const auto dc = reinterpret_cast<HDC>(m_next);
    DeviceContext context;
    context.window = window;
    context.pen = m_stockPen;
    context.brush = m_stockBrush;
    context.font = m_stockFont;
    m_contexts[dc] = context;
    return dc;
}

DeviceContext* GdiTable::FindDC(HDC dc) {
    const auto found = m_contexts.find(dc);
    return found == m_contexts.end() ? nullptr : &found->second;
}

void GdiTable::CloseDC(HDC dc) { m_contexts.erase(dc); }

PixelBuffer GdiTable::BitmapPicture(UINT id, int width, int height) {
    // A colour from the id, a dark frame and the id in the middle: recognisable in snapshots.
    const uint32_t hash = id * 2654435761u;
    const COLORREF fill = RGB(128 + (hash >> 24) % 112, 128 + (hash >> 16) % 112, 128 + (hash >> 8) % 112);
    PixelBuffer picture(width, height, fill);
    picture.Frame(RECT{0, 0, width, height}, 0x404040);
    const BitmapFont font(0, FW_NORMAL);
    const std::string label = std::to_string(id);
    const SIZE size = font.Measure(label);
    font.Draw(picture, (width - size.cx) / 2, (height - size.cy) / 2, label, 0x000000);
    return picture;
}

}  // namespace fw::headless
