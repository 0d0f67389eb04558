// The drawing calls of the window system, on headless pixel buffers.
#include <algorithm>
#include <utility>
#include <sstream>
#include <vector>

#include "framework/OwnedPictures.h"
#include "framework/WindowSystem.h"
#include "framework/headless/BitmapFont.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/GdiTable.h"

namespace fw::ws {
namespace {

using headless::BitmapFont;
using headless::Desktop;
using headless::DeviceContext;
using headless::GdiKind;
using headless::GdiObject;
using headless::GdiTable;
using headless::PixelBuffer;

constexpr UINT kApplicationIconId = 32512;  // the system's IDI_APPLICATION

DeviceContext* Context(HDC dc) { return GdiTable::Get().FindDC(dc); }

PixelBuffer* Target(const DeviceContext& context) {
    if (!Desktop::Get().Find(context.window)) return nullptr;
    return &Desktop::Get().Surface(context.window);
}

BitmapFont FontOf(const DeviceContext& context) {
    const GdiObject* font = GdiTable::Get().Find(context.font);
    return font ? BitmapFont(font->font) : BitmapFont(0, FW_NORMAL);
}

std::vector<std::string> Lines(const std::string& text, bool singleLine) {
    std::vector<std::string> lines;
    if (singleLine) {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::erase(line, '\r');
        lines.push_back(line);
        return lines;
    }
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        std::erase(line, '\r');
        lines.push_back(line);
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

void DrawLine(PixelBuffer& target, const DeviceContext& context, int x, int y, const std::string& text,
              const RECT* clip) {
    const BitmapFont font = FontOf(context);
    if (context.backMode == OPAQUE) {
        const SIZE size = font.Measure(text);
        RECT back{x, y, x + size.cx, y + size.cy};
        if (clip) {
            back.left = std::max(back.left, clip->left);
            back.top = std::max(back.top, clip->top);
            back.right = std::min(back.right, clip->right);
            back.bottom = std::min(back.bottom, clip->bottom);
        }
        target.Fill(back, context.backColor);
    }
    font.Draw(target, x, y, text, context.textColor, clip);
}

}  // namespace

HDC BeginPaintOn(HWND window, RECT* paintRect) {
    headless::Window* target = Desktop::Get().Find(window);
    if (!target) return nullptr;
    target->invalid = false;
    if (paintRect) *paintRect = RECT{0, 0, target->Width(), target->Height()};
    return GdiTable::Get().OpenDC(window);
}

void EndPaintOn(HWND, HDC dc) { GdiTable::Get().CloseDC(dc); }

HDC WindowDC(HWND window) {
    if (!Desktop::Get().Find(window)) return nullptr;
    return GdiTable::Get().OpenDC(window);
}

int ReleaseWindowDC(HWND, HDC dc) {
    if (!Context(dc)) return 0;
    GdiTable::Get().CloseDC(dc);
    return 1;
}

HGDIOBJ Select(HDC dc, HGDIOBJ object) {
    DeviceContext* context = Context(dc);
    const GdiObject* selected = GdiTable::Get().Find(object);
    if (!context || !selected) return nullptr;
    switch (selected->kind) {
        case GdiKind::Pen: return std::exchange(context->pen, object);
        case GdiKind::Brush: return std::exchange(context->brush, object);
        case GdiKind::Font: return std::exchange(context->font, object);
        default: return nullptr;
    }
}

COLORREF TextColor(HDC dc, COLORREF color) {
    DeviceContext* context = Context(dc);
    return context ? std::exchange(context->textColor, color) : CLR_INVALID;
}

COLORREF BackColor(HDC dc, COLORREF color) {
    DeviceContext* context = Context(dc);
    return context ? std::exchange(context->backColor, color) : CLR_INVALID;
}

int BackMode(HDC dc, int mode) {
    DeviceContext* context = Context(dc);
    return context ? std::exchange(context->backMode, mode) : 0;
}

BOOL MoveToPoint(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* context = Context(dc);
    if (!context) return FALSE;
    if (previous) *previous = context->position;
    context->position = POINT{x, y};
    return TRUE;
}

BOOL LineToPoint(HDC dc, int x, int y) {
    DeviceContext* context = Context(dc);
    if (!context) return FALSE;
    const GdiObject* pen = GdiTable::Get().Find(context->pen);
    PixelBuffer* target = Target(*context);
    if (target && pen && pen->penStyle != PS_NULL) {
        target->Line(context->position.x, context->position.y, x, y, pen->color, pen->penWidth);
    }
    context->position = POINT{x, y};
    return TRUE;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    DeviceContext* context = Context(dc);
    if (!context) return;
    // Fills through the background colour, which stays set afterwards.
    context->backColor = color;
    if (PixelBuffer* target = Target(*context)) target->Fill(rect, color);
}

BOOL FillWithBrush(HDC dc, const RECT& rect, HBRUSH brush) {
    DeviceContext* context = Context(dc);
    const GdiObject* object = GdiTable::Get().Find(brush);
    if (!context || !object || object->kind != GdiKind::Brush) return FALSE;
    if (PixelBuffer* target = Target(*context)) target->Fill(rect, object->color);
    return TRUE;
}

BOOL RectangleShape(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = Context(dc);
    if (!context) return FALSE;
    PixelBuffer* target = Target(*context);
    if (!target) return TRUE;
    const GdiObject* brush = GdiTable::Get().Find(context->brush);
    const GdiObject* pen = GdiTable::Get().Find(context->pen);
    const bool outline = pen && pen->penStyle != PS_NULL;
    if (brush) {
        const RECT inside = outline ? RECT{left + 1, top + 1, right - 1, bottom - 1} : RECT{left, top, right - 1, bottom - 1};
        target->Fill(inside, brush->color);
    }
    if (outline) target->Frame(RECT{left, top, right, bottom}, pen->color);
    return TRUE;
}

COLORREF PutPixel(HDC dc, int x, int y, COLORREF color) {
    DeviceContext* context = Context(dc);
    PixelBuffer* target = context ? Target(*context) : nullptr;
    if (!target || !target->Contains(x, y)) return CLR_INVALID;
    target->Set(x, y, color);
    return color & 0x00FFFFFFu;
}

COLORREF PixelAt(HDC dc, int x, int y) {
    DeviceContext* context = Context(dc);
    PixelBuffer* target = context ? Target(*context) : nullptr;
    return target ? target->Get(x, y) : CLR_INVALID;
}

int DrawTextIn(HDC dc, const std::string& text, RECT* rect, UINT format) {
    DeviceContext* context = Context(dc);
    if (!context || !rect) return 0;
    const BitmapFont font = FontOf(*context);
    const auto lines = Lines(text, (format & DT_SINGLELINE) != 0);
    int width = 0;
    for (const auto& line : lines) width = std::max<int>(width, font.Measure(line).cx);
    const int height = static_cast<int>(lines.size()) * font.LineHeight();
    if (format & DT_CALCRECT) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    PixelBuffer* target = Target(*context);
    if (!target) return height;
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM) y = rect->bottom - height;
        else if (format & DT_VCENTER) y = rect->top + (rect->bottom - rect->top - height) / 2;
    }
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : rect;
    for (const auto& line : lines) {
        const int lineWidth = font.Measure(line).cx;
        int x = rect->left;
        if (format & DT_CENTER) x = rect->left + (rect->right - rect->left - lineWidth) / 2;
        else if (format & DT_RIGHT) x = rect->right - lineWidth;
        DrawLine(*target, *context, x, y, line, clip);
        y += font.LineHeight();
    }
    return height;
}

BOOL TextAt(HDC dc, int x, int y, const std::string& text) {
    DeviceContext* context = Context(dc);
    if (!context) return FALSE;
    if (PixelBuffer* target = Target(*context)) DrawLine(*target, *context, x, y, text, nullptr);
    return TRUE;
}

SIZE TextExtent(HDC dc, const std::string& text) {
    DeviceContext* context = Context(dc);
    if (!context) return SIZE{0, 0};
    return FontOf(*context).Measure(text);
}

HPEN MakePen(int style, int width, COLORREF color) {
    GdiObject pen;
    pen.kind = GdiKind::Pen;
    pen.penStyle = style;
    pen.penWidth = std::max(width, 1);
    pen.color = color & 0x00FFFFFFu;
    return static_cast<HPEN>(GdiTable::Get().Add(pen));
}

HBRUSH MakeSolidBrush(COLORREF color) {
    GdiObject brush;
    brush.kind = GdiKind::Brush;
    brush.color = color & 0x00FFFFFFu;
    return static_cast<HBRUSH>(GdiTable::Get().Add(brush));
}

// Headless windows are laid out with the 96-dpi dialog font's base units and drawn in its
// bitmap font, so everything else is drawn for 96 dpi too.
int ScreenPixelsPerInch() { return 96; }

HFONT MakeFont(const LOGFONT& font) {
    GdiObject object;
    object.kind = GdiKind::Font;
    object.font = font;
    return static_cast<HFONT>(GdiTable::Get().Add(object));
}

BOOL FontInfo(HFONT font, LOGFONT* info) {
    const GdiObject* object = GdiTable::Get().Find(font);
    if (!object || object->kind != GdiKind::Font || !info) return FALSE;
    *info = object->font;
    return TRUE;
}

BOOL DeleteGdiObject(HGDIOBJ object) {
    fw::OwnedPictures::Disown(object);
    GdiTable& table = GdiTable::Get();
    if (table.Find(object)) return table.Delete(object) ? TRUE : FALSE;
    if (!object) return FALSE;
    // Anything else is the system's: a bitmap, or an icon the framework loaded.
    const headless::PictureRecord* record = table.FindPicture(object);
    const headless::PictureRecord picture = record ? *record : headless::PictureRecord{};
    table.ForgetPicture(object);
    if (picture.icon) return picture.shared ? TRUE : DestroyIcon(static_cast<HICON>(object));
    return DeleteObject(object);
}

HBITMAP LoadBitmapSized(HMODULE module, UINT id, int cx, int cy) {
    if (!module) return nullptr;
    const auto bitmap =
        static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, cx, cy, LR_DEFAULTSIZE));
    if (bitmap) GdiTable::Get().RememberPicture(bitmap, headless::PictureRecord{false, false, id});
    fw::OwnedPictures::Own(bitmap);
    return bitmap;
}

HICON LoadIconResource(HMODULE module, UINT id) {
    HICON icon = nullptr;
    if (module) icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (icon) {
        GdiTable::Get().RememberPicture(icon, headless::PictureRecord{true, false, id});
        fw::OwnedPictures::Own(icon);
        return icon;
    }
    // The system's own icons (a null module, or a module without that icon: the application
    // icon) are shared: the caller's DeleteGdiObject leaves them.
    const UINT systemId = module ? kApplicationIconId : id;
    icon = LoadIconA(nullptr, MAKEINTRESOURCEA(systemId));
    if (icon) GdiTable::Get().RememberPicture(icon, headless::PictureRecord{true, true, systemId});
    fw::OwnedPictures::Own(icon);
    return icon;
}

}  // namespace fw::ws
