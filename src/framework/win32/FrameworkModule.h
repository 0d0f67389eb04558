// The module the framework's code was linked into (the library in the product, the test program
// in the tests): the instance that its sheets and dialogs are made for, so that the system looks
// up what they refer to there, not in whatever program loaded the library.
#pragma once

#include "framework/UiTypes.h"

namespace fw::win32 {

HMODULE FrameworkModule();

}  // namespace fw::win32
