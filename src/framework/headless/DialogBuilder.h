// Makes headless windows from dialog templates (the layout DialogTemplateReader reads from a
// dialog resource): the dialog or page window and one child per template item, placed by
// converting dialog units with the dialog font's base units.
#pragma once

#include <string>

#include "framework/headless/DialogTemplateReader.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class DialogBuilder {
public:
    // Base units of the dialog font (8-point): 6 x 13 pixels per 4 x 8 dialog units.
    static int ToPixelsX(int dialogUnits) { return dialogUnits * 6 / 4; }
    static int ToPixelsY(int dialogUnits) { return dialogUnits * 13 / 8; }
    // Height in dialog units of a closed drop-down combo box (its field).
    static constexpr int kClosedComboHeight = 12;

    // The window of a dialog template (its id: templateId), with its controls; top-level kinds
    // at the screen's origin, pages at origin inside their sheet.
    static HWND Build(const DialogLayout& layout, UINT templateId, WindowKind kind, HWND parent, POINT origin);
    // One control, rect in the parent's client pixels.
    static HWND AddControl(HWND parent, const std::string& className, UINT id, const std::string& text,
                           DWORD style, const RECT& rect);
};

}  // namespace fw::headless
