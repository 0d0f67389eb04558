#include "framework/headless/DialogBuilder.h"

#include <algorithm>

#include "framework/headless/Desktop.h"

namespace fw::headless {

HWND DialogBuilder::Build(const DialogLayout& layout, UINT templateId, WindowKind kind, HWND parent, POINT origin) {
    Desktop& desktop = Desktop::Get();
    Window& window = desktop.NewWindow(kind, "#32770", parent);
    window.templateId = templateId;
    window.text = layout.caption;
    window.style = layout.style | WS_VISIBLE;
    window.exStyle = layout.exStyle;
    if (kind == WindowKind::Page) window.style = (window.style & ~WS_POPUP) | WS_CHILD;
    window.rect = RECT{origin.x, origin.y, origin.x + ToPixelsX(layout.cx), origin.y + ToPixelsY(layout.cy)};
    const HWND handle = window.handle;
    for (const DialogLayoutItem& item : layout.items) {
        RECT rect{ToPixelsX(item.x), ToPixelsY(item.y), ToPixelsX(item.x + item.cx), ToPixelsY(item.y + item.cy)};
        // A drop-down combo box's template height is that of its opened list; closed, it is as
        // high as its field, as Windows makes it.
        const DWORD comboType = item.style & 3;
        if (item.className == FW_CLASS_COMBOBOX && (comboType == CBS_DROPDOWN || comboType == CBS_DROPDOWNLIST)) {
            rect.bottom = std::min<LONG>(rect.bottom, rect.top + ToPixelsY(kClosedComboHeight));
        }
        const HWND control = AddControl(handle, item.className, item.id, item.title.text, item.style, rect);
        if (Window* made = desktop.Find(control)) made->exStyle = item.exStyle;
    }
    return handle;
}

HWND DialogBuilder::AddControl(HWND parent, const std::string& className, UINT id, const std::string& text,
                               DWORD style, const RECT& rect) {
    Window& control = Desktop::Get().NewWindow(WindowKind::Control, className, parent);
    control.id = id;
    control.text = text;
    control.style = style | WS_CHILD | WS_VISIBLE;
    control.rect = rect;
    if (className == FW_CLASS_EDIT || className == FW_CLASS_COMBOBOX) control.limit = 30000;
    if (className == FW_CLASS_COMBOBOX && control.ComboType() == CBS_DROPDOWNLIST) control.text.clear();
    return control.handle;
}

}  // namespace fw::headless
