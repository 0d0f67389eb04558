#include "framework/headless/GdiTable.h"

#include <cstring>

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

std::size_t GdiTable::LiveObjects() const {
    std::size_t count = 0;
    for (const auto& [handle, object] : m_objects) count += object->stock ? 0 : 1;
    return count;
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

const PictureRecord* GdiTable::FindPicture(HGDIOBJ handle) const {
    const auto found = m_pictures.find(handle);
    return found == m_pictures.end() ? nullptr : &found->second;
}

}  // namespace fw::headless
