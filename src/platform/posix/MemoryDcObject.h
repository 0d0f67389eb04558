// A memory device context (CreateCompatibleDC): what GetDIBits needs besides the bitmap.
#pragma once

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MemoryDcObject : public HandleObject {};

#pragma GCC visibility pop
