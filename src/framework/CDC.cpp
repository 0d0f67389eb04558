#include "framework/CDC.h"

#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "framework/WindowSystem.h"

CPen* CDC::SelectObject(CPen* pen) {
    return CPen::FromHandle(static_cast<HPEN>(fw::ws::Select(m_hDC, pen ? pen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(fw::ws::Select(m_hDC, brush ? brush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* font) {
    return CFont::FromHandle(static_cast<HFONT>(fw::ws::Select(m_hDC, font ? font->m_hObject : nullptr)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return fw::ws::Select(m_hDC, object); }

COLORREF CDC::SetTextColor(COLORREF color) { return fw::ws::TextColor(m_hDC, color); }

COLORREF CDC::SetBkColor(COLORREF color) { return fw::ws::BackColor(m_hDC, color); }

int CDC::SetBkMode(int mode) { return fw::ws::BackMode(m_hDC, mode); }

CPoint CDC::MoveTo(int x, int y) {
    POINT previous{0, 0};
    fw::ws::MoveToPoint(m_hDC, x, y, &previous);
    return CPoint(previous);
}

BOOL CDC::LineTo(int x, int y) { return fw::ws::LineToPoint(m_hDC, x, y); }

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    if (rect) fw::ws::FillSolid(m_hDC, *rect, color);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    const RECT rect{x, y, x + width, y + height};
    fw::ws::FillSolid(m_hDC, rect, color);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (rect && brush) fw::ws::FillWithBrush(m_hDC, *rect, static_cast<HBRUSH>(brush->m_hObject));
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    return fw::ws::RectangleShape(m_hDC, left, top, right, bottom);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return fw::ws::PutPixel(m_hDC, x, y, color); }

COLORREF CDC::GetPixel(int x, int y) const { return fw::ws::PixelAt(m_hDC, x, y); }

int CDC::DrawText(const std::string& text, LPRECT rect, UINT format) {
    return rect ? fw::ws::DrawTextIn(m_hDC, text, rect, format) : 0;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) { return fw::ws::TextAt(m_hDC, x, y, text); }

CSize CDC::GetTextExtent(const std::string& text) const { return CSize(fw::ws::TextExtent(m_hDC, text)); }
