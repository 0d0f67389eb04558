// The module in which dialogs look up their templates by id when nobody named one (the
// dialog library, once the program has loaded it). Null: the program's own resources.
#pragma once

#include "framework/UiTypes.h"

namespace fw {

HMODULE GetResourceModule();
HMODULE SetResourceModule(HMODULE module);  // returns the previous one

}  // namespace fw
