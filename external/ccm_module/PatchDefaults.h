// The model's default value and allowed ranges of each of the 40 palette patches.
#pragma once

#include "ccm_module/ModuleBlocks.h"

namespace ccm {

struct PatchDefault {
    PatchValue value;
    PatchRange range;
};

// The six neutral patches (black, the greys, white) are not adjusted: value and ranges 0.
bool IsFixedPatch(int patch);

// patch 0 … 39; any mode (the value steps up with mode % 3).
PatchDefault DefaultPatch(int mode, int patch);

// Signed distance from one hue step to another the short way round the circle (-18 … 17).
int HueDistance(int from, int to);

}  // namespace ccm
