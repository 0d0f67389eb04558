// The drawing calls of the window system, over the system's device contexts.
#include <map>

#include "framework/OwnedPictures.h"
#include "framework/WindowSystem.h"

namespace fw::ws {
namespace {

// BeginPaint's records, until EndPaint gives them back.
std::map<HDC, PAINTSTRUCT>& Painting() {
    static std::map<HDC, PAINTSTRUCT> painting;
    return painting;
}

}  // namespace

HDC BeginPaintOn(HWND window, RECT* paintRect) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return nullptr;
    if (paintRect) *paintRect = paint.rcPaint;
    Painting()[dc] = paint;
    return dc;
}

void EndPaintOn(HWND window, HDC dc) {
    const auto found = Painting().find(dc);
    if (found == Painting().end()) return;
    EndPaint(window, &found->second);
    Painting().erase(found);
}

HDC WindowDC(HWND window) { return ::IsWindow(window) ? GetDC(window) : nullptr; }

int ReleaseWindowDC(HWND window, HDC dc) { return ReleaseDC(window, dc); }

HGDIOBJ Select(HDC dc, HGDIOBJ object) { return SelectObject(dc, object); }

COLORREF TextColor(HDC dc, COLORREF color) { return SetTextColor(dc, color); }

COLORREF BackColor(HDC dc, COLORREF color) { return SetBkColor(dc, color); }

int BackMode(HDC dc, int mode) { return SetBkMode(dc, mode); }

BOOL MoveToPoint(HDC dc, int x, int y, POINT* previous) { return MoveToEx(dc, x, y, previous); }

BOOL LineToPoint(HDC dc, int x, int y) { return LineTo(dc, x, y); }

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    // Fills through the background colour, which stays set afterwards.
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

BOOL FillWithBrush(HDC dc, const RECT& rect, HBRUSH brush) { return FillRect(dc, &rect, brush) != 0; }

BOOL RectangleShape(HDC dc, int left, int top, int right, int bottom) { return Rectangle(dc, left, top, right, bottom); }

COLORREF PutPixel(HDC dc, int x, int y, COLORREF color) { return SetPixel(dc, x, y, color); }

COLORREF PixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

int DrawTextIn(HDC dc, const std::string& text, RECT* rect, UINT format) {
    if (!rect) return 0;
    return DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), rect, format & ~static_cast<UINT>(DT_MODIFYSTRING));
}

BOOL TextAt(HDC dc, int x, int y, const std::string& text) {
    return TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

SIZE TextExtent(HDC dc, const std::string& text) {
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size)) return SIZE{0, 0};
    return size;
}

HPEN MakePen(int style, int width, COLORREF color) { return CreatePen(style, width, color); }

HBRUSH MakeSolidBrush(COLORREF color) { return CreateSolidBrush(color); }

HFONT MakeFont(const LOGFONT& font) { return CreateFontIndirectA(&font); }

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

BOOL FontInfo(HFONT font, LOGFONT* info) {
    if (!font || !info) return FALSE;
    return GetObjectA(font, sizeof(LOGFONTA), info) == sizeof(LOGFONTA) ? TRUE : FALSE;
}

BOOL DeleteGdiObject(HGDIOBJ object) {
    if (!object) return FALSE;
    fw::OwnedPictures::Disown(object);
    // Icons are no GDI objects: the framework hands them back through the same call.
    if (GetObjectType(object) == 0) return DestroyIcon(reinterpret_cast<HICON>(object));
    return DeleteObject(object);
}

namespace {

// source resized to cx x cy with the system's best filter (HALFTONE averages the pixels a
// shrunk picture drops; LoadImageA's own resizing would drop whole rows and columns).
HBITMAP Resampled(HBITMAP source, int cx, int cy) {
    BITMAP size{};
    if (!GetObjectA(source, sizeof(size), &size)) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP result = CreateCompatibleBitmap(screen, cx, cy);
    if (from && to && result) {
        HGDIOBJ oldFrom = SelectObject(from, source);
        HGDIOBJ oldTo = SelectObject(to, result);
        SetStretchBltMode(to, HALFTONE);
        SetBrushOrgEx(to, 0, 0, nullptr);
        StretchBlt(to, 0, 0, cx, cy, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(to, oldTo);
        SelectObject(from, oldFrom);
    }
    if (to) DeleteDC(to);
    if (from) DeleteDC(from);
    ReleaseDC(nullptr, screen);
    return result;
}

}  // namespace

HBITMAP LoadBitmapSized(HMODULE module, UINT id, int cx, int cy) {
    if (!module) return nullptr;
    auto bitmap = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    if (bitmap && cx > 0 && cy > 0) {
        BITMAP own{};
        GetObjectA(bitmap, sizeof(own), &own);
        if (own.bmWidth != cx || own.bmHeight != cy) {
            HBITMAP resized = Resampled(bitmap, cx, cy);
            DeleteObject(bitmap);
            bitmap = resized;
        }
    }
    fw::OwnedPictures::Own(bitmap);
    return bitmap;
}

namespace {

HICON LoadOwnIcon(HMODULE module, UINT id) {
    // Without a module, id is one of the system's icons (IDI_); the caller gets its own copy.
    if (!module) return CopyIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(id)));
    if (HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE))) {
        return icon;
    }
    // No icon resource: a copy of the system's application icon stands in (the caller owns it).
    return CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
}

}  // namespace

HICON LoadIconResource(HMODULE module, UINT id) {
    const HICON icon = LoadOwnIcon(module, id);
    fw::OwnedPictures::Own(icon);
    return icon;
}

}  // namespace fw::ws
