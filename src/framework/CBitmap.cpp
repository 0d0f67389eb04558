#include "framework/CBitmap.h"

#include "framework/WindowSystem.h"

BOOL CBitmap::LoadBitmapSized(HMODULE module, UINT id, int width, int height) {
    return Attach(fw::ws::LoadBitmapSized(module, id, width, height));
}
