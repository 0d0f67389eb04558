// One headless window: what the window system keeps for it. Controls keep their whole state
// here (text, items, selection, check, range and position, pictures), so that tests and the
// terminal can read any of it by control id.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/ControlClassNames.h"
#include "framework/UiTypes.h"
#include "framework/headless/PixelBuffer.h"

class CWnd;

namespace fw::headless {

class SheetController;

enum class WindowKind {
    Dialog,      // a modal dialog
    Page,        // a page inside a property sheet
    Sheet,       // a property sheet
    MessageBox,  // a message box
    Control,     // a control of a dialog, page, sheet or box
};

struct ListItem {
    std::string text;
    DWORD_PTR data = 0;
    bool selected = false;  // list boxes with more than one selection
};

struct Window {
    Window();
    ~Window();

    HWND handle = nullptr;
    WindowKind kind = WindowKind::Control;
    std::string className;
    HWND parent = nullptr;  // the parent of a child; the owner of a top-level window
    std::vector<HWND> children;
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0};  // in the parent's client coordinates; screen for top-level windows
    std::string text;
    CWnd* object = nullptr;
    HFONT font = nullptr;

    // Controls.
    std::vector<ListItem> items;
    int selection = -1;
    int check = BST_UNCHECKED;
    UINT limit = 0;  // 0: the system's maximum
    int selectionStart = 0;
    int selectionEnd = 0;
    int rangeMin = 0;
    int rangeMax = 100;
    int position = 0;
    int ticFrequency = 1;
    int pageSize = 20;
    int lineSize = 1;
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
    bool pressing = false;  // a button under the mouse: the focus it takes is no keyboard move

    // Top-level windows.
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HMENU systemMenu = nullptr;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
    UINT templateId = 0;
    UINT boxStyle = 0;  // message boxes: the MB_ style
    std::unique_ptr<SheetController> sheet;

    // Painting.
    bool invalid = true;
    PixelBuffer pixels;

    bool destroying = false;

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
    bool IsTopLevel() const { return kind == WindowKind::Dialog || kind == WindowKind::Sheet || kind == WindowKind::MessageBox; }
    // The control type within its class: BS_ type for buttons, SS_ type for statics, the
    // CBS_ kind for combo boxes.
    UINT ButtonType() const { return style & BS_TYPEMASK; }
    UINT StaticType() const { return style & SS_TYPEMASK; }
    UINT ComboType() const { return style & 0x3u; }
};

}  // namespace fw::headless
