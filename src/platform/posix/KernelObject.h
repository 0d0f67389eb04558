// Base of the handle objects that CloseHandle closes (kernel objects such as tokens),
// as opposed to printers, searches and registry keys, which have closing calls of their own.
#pragma once

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class KernelObject : public HandleObject {
};

#pragma GCC visibility pop
