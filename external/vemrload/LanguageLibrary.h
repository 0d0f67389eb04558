// An opened string library, as the loader hands it out: one per VmLoadLanguageDLL call.
#pragma once

#include "platform/win32api.h"
#include "strings_enu/StringLookup.h"

namespace vemrload {

struct LanguageLibrary {
    HMODULE module;
    XvStringLookupFn lookup;
};

}  // namespace vemrload
