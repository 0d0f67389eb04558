// The library's one export: runs the wizard on the caller's thread and returns when it closes.
#pragma once

#include "platform/win32api.h"

extern "C" {
// context, reserved1 and reserved2 are not read. printerName: an installed printer queue that
// the wizard then starts with (no driver page), or null. Always returns 0.
LONG CallTintora32(INT_PTR context, INT_PTR reserved1, LPCSTR printerName, int reserved2);
}

using CallTintora32Function = LONG (*)(INT_PTR, INT_PTR, LPCSTR, int);
