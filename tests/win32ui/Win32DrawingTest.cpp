// Drawing through CDC on the system's device contexts, read back from a memory bitmap.
#include <gtest/gtest.h>

#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CPen.h"

namespace {

// A 32-bit memory bitmap selected into a memory DC, for reading pixels back.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~MemoryCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kBlue = RGB(10, 20, 220);
constexpr COLORREF kGreen = RGB(0, 160, 0);

TEST(Win32Drawing, FilledRectangleReadsBackItsColour) {
    MemoryCanvas canvas(40, 30);
    CDC dc;
    dc.m_hDC = canvas.dc();
    dc.FillSolidRect(0, 0, 40, 30, RGB(255, 255, 255));
    dc.FillSolidRect(5, 5, 10, 8, kRed);
    EXPECT_EQ(dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(dc.GetPixel(14, 12), kRed);
    EXPECT_EQ(dc.GetPixel(15, 12), RGB(255, 255, 255));  // right and bottom edges stay out
    EXPECT_EQ(dc.GetPixel(14, 13), RGB(255, 255, 255));
    // The fill leaves the background colour set, as the system's does.
    EXPECT_EQ(dc.SetBkColor(kBlue), kRed);
    EXPECT_EQ(dc.GetPixel(100, 100), CLR_INVALID);
    dc.m_hDC = nullptr;
}

TEST(Win32Drawing, PenBrushAndLinesDrawWithTheSelectedObjects) {
    MemoryCanvas canvas(40, 30);
    CDC dc;
    dc.m_hDC = canvas.dc();
    dc.FillSolidRect(0, 0, 40, 30, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, kBlue);
    CBrush brush(kGreen);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Rectangle(2, 2, 12, 12);
    EXPECT_EQ(dc.GetPixel(2, 2), kBlue);    // outline
    EXPECT_EQ(dc.GetPixel(11, 11), kBlue);
    EXPECT_EQ(dc.GetPixel(6, 6), kGreen);   // inside
    dc.MoveTo(20, 20);
    dc.LineTo(30, 20);
    EXPECT_EQ(dc.GetPixel(29, 20), kBlue);
    EXPECT_EQ(dc.GetPixel(30, 20), RGB(255, 255, 255));  // the end point is left out
    EXPECT_EQ(dc.SetPixel(35, 5, kRed), kRed);
    EXPECT_EQ(dc.GetPixel(35, 5), kRed);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.m_hDC = nullptr;
}

}  // namespace
