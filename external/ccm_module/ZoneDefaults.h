// The model's gamma, hue and level defaults of the six hue zones per mode, and the printer's
// own hue of each zone.
#pragma once

#include "ccm_module/ModuleBlocks.h"

namespace ccm {

// Every field of the block for that mode (any mode; the table repeats every eight modes).
// A zone whose hue comes from the printer carries the printer's hue.
CoreBlock DefaultCore(int mode);

// zone 0 … 5 (red, yellow, green, cyan, blue, magenta); 0 outside.
int PrinterHue(int zone);

}  // namespace ccm
