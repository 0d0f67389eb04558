#include "framework/CBrush.h"

#include "framework/WindowSystem.h"

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(fw::ws::MakeSolidBrush(color)); }
