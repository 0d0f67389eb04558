#include "framework/headless/DialogBuilder.h"

#include "framework/headless/Desktop.h"

namespace fw::headless {

HWND DialogBuilder::Build(const FwDialogTemplate& dialogTemplate, WindowKind kind, HWND parent, POINT origin) {
    Desktop& desktop = Desktop::Get();
    Window& window = desktop.NewWindow(kind, "#32770", parent);
    window.templateId = dialogTemplate.id;
    window.text = dialogTemplate.caption ? dialogTemplate.caption : "";
    window.style = dialogTemplate.style | WS_VISIBLE;
    if (kind == WindowKind::Page) window.style = (window.style & ~WS_POPUP) | WS_CHILD;
    window.rect = RECT{origin.x, origin.y, origin.x + ToPixelsX(dialogTemplate.cx),
                       origin.y + ToPixelsY(dialogTemplate.cy)};
    const HWND handle = window.handle;
    for (UINT i = 0; i < dialogTemplate.itemCount; ++i) {
        const FwDialogItem& item = dialogTemplate.items[i];
        const RECT rect{ToPixelsX(item.x), ToPixelsY(item.y), ToPixelsX(item.x + item.cx), ToPixelsY(item.y + item.cy)};
        const HWND control = AddControl(handle, item.className ? item.className : "", item.id,
                                        item.text ? item.text : "", item.style, rect);
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
