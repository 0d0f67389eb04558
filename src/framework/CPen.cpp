#include "framework/CPen.h"

#include "framework/WindowSystem.h"

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    return Attach(fw::ws::MakePen(style, width, color));
}
