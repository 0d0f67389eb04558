// The module this code was linked into: TAVREL itself in the product (a test program in the
// tests). It carries the library's own resources, the application icon among them.
#pragma once

#include "platform/win32api.h"

HMODULE LibraryModule();
