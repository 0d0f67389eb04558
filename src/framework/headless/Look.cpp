#include "framework/headless/Look.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "framework/headless/BitmapFont.h"
#include "framework/headless/ButtonControl.h"
#include "framework/headless/ComboBoxControl.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/GdiTable.h"
#include "framework/headless/PlatformPicture.h"

namespace fw::headless {
namespace {

constexpr int kBoxSize = 13;
constexpr int kArrowWidth = 17;
constexpr int kThumbWidth = 11;

BitmapFont FontOf(const Window& window) {
    if (const GdiObject* font = GdiTable::Get().Find(window.font); font && font->kind == GdiKind::Font) {
        return BitmapFont(font->font);
    }
    return BitmapFont(0, FW_NORMAL);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// The text as the system shows it: "&" marks the next letter as a mnemonic and is not drawn
// ("&&" draws one "&"), unless a static control says SS_NOPREFIX.
std::string Shown(const Window& window, const std::string& text) {
    if (window.className == FW_CLASS_STATIC && (window.style & SS_NOPREFIX)) return text;
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// One line broken at spaces into lines no wider than width (a word wider than that stays whole).
std::vector<std::string> Wrapped(const BitmapFont& font, const std::string& line, int width) {
    std::vector<std::string> out;
    std::string current;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && font.Measure(candidate).cx > width) {
            out.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
    }
    out.push_back(current);
    return out;
}

// Text lines in rect: align 0 left, 1 centre, 2 right; vertically centred when centre is set.
// Where the rectangle has room for more than one line, long lines wrap at spaces as the
// system's word-breaking controls do.
void Text(PixelBuffer& pixels, const Window& window, const std::string& text, const RECT& rect, int align,
          bool verticalCentre, COLORREF color) {
    const BitmapFont font = FontOf(window);
    const int width = rect.right - rect.left;
    const bool wraps = rect.bottom - rect.top >= 2 * font.LineHeight();
    std::vector<std::string> lines;
    for (const auto& line : Lines(Shown(window, text))) {
        if (!wraps || font.Measure(line).cx <= width) {
            lines.push_back(line);
            continue;
        }
        for (auto& part : Wrapped(font, line, width)) lines.push_back(std::move(part));
    }
    int y = rect.top;
    if (verticalCentre) y += (rect.bottom - rect.top - static_cast<int>(lines.size()) * font.LineHeight()) / 2;
    for (const auto& line : lines) {
        const int lineWidth = font.Measure(line).cx;
        int x = rect.left;
        if (align == 1) x += (width - lineWidth) / 2;
        if (align == 2) x = rect.right - lineWidth;
        font.Draw(pixels, x, y, line, color, &rect);
        y += font.LineHeight();
    }
}

COLORREF TextColor(const Window& window) { return window.Enabled() ? Look::kText : Look::kGrayText; }

void Picture(PixelBuffer& pixels, HBITMAP bitmap, const RECT& rect) {
    if (bitmap) PlatformPicture::DrawBitmap(pixels, bitmap, rect);
}

void PaintButton(PixelBuffer& pixels, const Window& window) {
    const RECT all{0, 0, window.Width(), window.Height()};
    const UINT type = window.ButtonType();
    if (type == BS_OWNERDRAW) return;
    if (type == BS_GROUPBOX) {
        const int half = FontOf(window).LineHeight() / 2;
        pixels.Frame(RECT{0, half, all.right, all.bottom}, Look::kButtonBorder);
        const int width = FontOf(window).Measure(Shown(window, window.text)).cx;
        pixels.Fill(RECT{6, 0, 10 + width, 2 * half}, Look::kFace);
        Text(pixels, window, window.text, RECT{8, 0, all.right, 2 * half}, 0, false, TextColor(window));
        return;
    }
    if (!ButtonControl::IsCheckable(window)) {
        pixels.Fill(all, Look::kButtonFace);
        pixels.Frame(all, type == BS_DEFPUSHBUTTON ? Look::kHighlight : Look::kButtonBorder);
        if (window.bitmap) Picture(pixels, window.bitmap, RECT{2, 2, all.right - 2, all.bottom - 2});
        else Text(pixels, window, window.text, all, 1, true, TextColor(window));
        return;
    }
    const int top = (all.bottom - kBoxSize) / 2;
    const RECT box{0, top, kBoxSize, top + kBoxSize};
    if (ButtonControl::IsRadio(window)) {
        // A round box: pixels by their distance from the centre.
        const int centre = kBoxSize / 2;
        for (int y = 0; y < kBoxSize; ++y) {
            for (int x = 0; x < kBoxSize; ++x) {
                const int distance = (x - centre) * (x - centre) + (y - centre) * (y - centre);
                if (distance > 40) continue;
                COLORREF color = distance > 26 ? Look::kBorder : (window.Enabled() ? Look::kWindow : Look::kFace);
                if (window.check == BST_CHECKED && distance <= 6) color = TextColor(window);
                pixels.Set(x, top + y, color);
            }
        }
        Text(pixels, window, window.text, RECT{kBoxSize + 4, 0, all.right, all.bottom}, 0, true, TextColor(window));
        return;
    }
    pixels.Fill(box, window.Enabled() ? Look::kWindow : Look::kFace);
    pixels.Frame(box, Look::kBorder);
    if (window.check == BST_CHECKED) {
        pixels.Line(box.left + 3, box.top + 6, box.left + 6, box.top + 9, TextColor(window), 2);
        pixels.Line(box.left + 6, box.top + 9, box.left + 10, box.top + 3, TextColor(window), 2);
    } else if (window.check == BST_INDETERMINATE) {
        pixels.Fill(RECT{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, Look::kGrayText);
    }
    Text(pixels, window, window.text, RECT{kBoxSize + 4, 0, all.right, all.bottom}, 0, true, TextColor(window));
}

void PaintStatic(PixelBuffer& pixels, const Window& window) {
    const RECT all{0, 0, window.Width(), window.Height()};
    switch (window.StaticType()) {
        case SS_BITMAP:
            if (window.bitmap && (window.style & SS_CENTERIMAGE)) PlatformPicture::DrawBitmapCentred(pixels, window.bitmap, all);
            else Picture(pixels, window.bitmap, all);
            return;
        case SS_ICON:
            if (window.icon) PlatformPicture::DrawIcon(pixels, window.icon, 0, 0);
            return;
        case SS_BLACKRECT: pixels.Fill(all, 0x000000); return;
        case SS_GRAYRECT: pixels.Fill(all, 0x808080); return;
        case SS_WHITERECT: pixels.Fill(all, 0xFFFFFF); return;
        case SS_BLACKFRAME: pixels.Frame(all, 0x000000); return;
        case SS_GRAYFRAME: pixels.Frame(all, 0x808080); return;
        case SS_WHITEFRAME: pixels.Frame(all, 0xFFFFFF); return;
        case SS_ETCHEDFRAME:
            pixels.Frame(all, 0xFFFFFF);
            pixels.Frame(RECT{0, 0, all.right - 1, all.bottom - 1}, 0xA0A0A0);
            return;
        case SS_ETCHEDHORZ: pixels.Fill(RECT{0, 0, all.right, 1}, 0xA0A0A0); return;
        case SS_ETCHEDVERT: pixels.Fill(RECT{0, 0, 1, all.bottom}, 0xA0A0A0); return;
        case SS_OWNERDRAW: return;
        case SS_CENTER: Text(pixels, window, window.text, all, 1, false, TextColor(window)); return;
        case SS_RIGHT: Text(pixels, window, window.text, all, 2, false, TextColor(window)); return;
        default: Text(pixels, window, window.text, all, 0, false, TextColor(window)); return;
    }
}

void PaintField(PixelBuffer& pixels, const Window& window, const std::string& text, int rightSpace) {
    const RECT all{0, 0, window.Width(), window.Height()};
    const bool editable = window.Enabled() && !(window.style & ES_READONLY);
    pixels.Fill(all, editable ? Look::kWindow : Look::kFace);
    pixels.Frame(all, Look::kBorder);
    const std::string shown = (window.style & ES_PASSWORD) ? std::string(text.size(), '*') : text;
    Text(pixels, window, shown, RECT{3, 1, all.right - 3 - rightSpace, all.bottom - 1}, 0, true, TextColor(window));
}

void PaintList(PixelBuffer& pixels, const Window& window) {
    const RECT all{0, 0, window.Width(), window.Height()};
    pixels.Fill(all, window.Enabled() ? Look::kWindow : Look::kFace);
    pixels.Frame(all, Look::kBorder);
    const int line = FontOf(window).LineHeight();
    int y = 1;
    for (size_t i = 0; i < window.items.size() && y < all.bottom - 1; ++i, y += line) {
        const bool multiple = (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
        const bool selected = multiple ? window.items[i].selected : static_cast<int>(i) == window.selection;
        const RECT row{1, y, all.right - 1, std::min<int>(y + line, all.bottom - 1)};
        if (selected) pixels.Fill(row, Look::kHighlight);
        Text(pixels, window, window.items[i].text, RECT{row.left + 2, row.top, row.right, row.bottom}, 0, false,
             selected ? Look::kHighlightText : TextColor(window));
    }
}

void PaintCombo(PixelBuffer& pixels, const Window& window) {
    PaintField(pixels, window, ComboBoxControl::FieldText(window), kArrowWidth);
    const int right = window.Width() - 1;
    const RECT arrow{right - kArrowWidth, 1, right, window.Height() - 1};
    pixels.Fill(arrow, Look::kButtonFace);
    const int cx = (arrow.left + arrow.right) / 2;
    const int cy = (arrow.top + arrow.bottom) / 2;
    for (int row = 0; row < 4; ++row) pixels.Fill(RECT{cx - 3 + row, cy - 2 + row, cx + 4 - row, cy - 1 + row}, TextColor(window));
}

void PaintTrackbar(PixelBuffer& pixels, const Window& window) {
    const int width = window.Width();
    const int height = window.Height();
    const bool vertical = (window.style & TBS_VERT) != 0;
    const int length = (vertical ? height : width) - 2 * 8;
    const int span = std::max(window.rangeMax - window.rangeMin, 1);
    const auto at = [&](int value) { return 8 + (value - window.rangeMin) * length / span; };
    if (!vertical) {
        pixels.Frame(RECT{8, height / 2 - 2, width - 8, height / 2 + 2}, Look::kButtonBorder);
        if (!(window.style & TBS_NOTICKS) && window.ticFrequency > 0) {
            for (int value = window.rangeMin; value <= window.rangeMax; value += window.ticFrequency) {
                pixels.Fill(RECT{at(value), height - 4, at(value) + 1, height - 1}, Look::kText);
            }
        }
        const int x = at(window.position);
        const RECT thumb{x - kThumbWidth / 2, height / 2 - 9, x + kThumbWidth / 2 + 1, height / 2 + 9};
        pixels.Fill(thumb, window.Enabled() ? Look::kHighlight : Look::kGrayText);
    } else {
        pixels.Frame(RECT{width / 2 - 2, 8, width / 2 + 2, height - 8}, Look::kButtonBorder);
        const int y = at(window.position);
        pixels.Fill(RECT{width / 2 - 9, y - kThumbWidth / 2, width / 2 + 9, y + kThumbWidth / 2 + 1},
                    window.Enabled() ? Look::kHighlight : Look::kGrayText);
    }
}

void PaintBoxIcon(PixelBuffer& pixels, UINT style) {
    COLORREF color = 0;
    char mark = 0;
    switch (style & 0xF0u) {
        case MB_ICONHAND: color = 0x2020D0; mark = 'X'; break;
        case MB_ICONQUESTION: color = 0xD07820; mark = '?'; break;
        case MB_ICONEXCLAMATION: color = 0x20C8F0; mark = '!'; break;
        case MB_ICONASTERISK: color = 0xD07820; mark = 'i'; break;
        default: return;
    }
    pixels.Fill(RECT{12, 12, 44, 44}, color);
    const BitmapFont font(26, FW_BOLD);
    const std::string text(1, mark);
    const SIZE size = font.Measure(text);
    font.Draw(pixels, 28 - size.cx / 2, 28 - size.cy / 2, text, 0xFFFFFF);
}

}  // namespace

void Look::Paint(Window& window) {
    PixelBuffer& pixels = Desktop::Get().Surface(window.handle);
    pixels.Fill(RECT{0, 0, pixels.Width(), pixels.Height()}, kFace);
    if (window.kind == WindowKind::MessageBox) {
        PaintBoxIcon(pixels, window.boxStyle);
        return;
    }
    if (window.kind != WindowKind::Control) return;
    if (window.className == FW_CLASS_BUTTON) PaintButton(pixels, window);
    else if (window.className == FW_CLASS_STATIC) PaintStatic(pixels, window);
    else if (window.className == FW_CLASS_EDIT) PaintField(pixels, window, window.text, 0);
    else if (window.className == FW_CLASS_LISTBOX) PaintList(pixels, window);
    else if (window.className == FW_CLASS_COMBOBOX) PaintCombo(pixels, window);
    else if (window.className == FW_CLASS_TRACKBAR) PaintTrackbar(pixels, window);
}

}  // namespace fw::headless
