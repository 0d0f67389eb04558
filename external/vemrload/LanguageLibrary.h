// An opened string library, as the loader hands it out: one per VmLoadLanguageDLL call.
#pragma once

#include "platform/win32api.h"

namespace vemrload {

struct LanguageLibrary {
    HMODULE module;  // the string library, whose string table the loader reads
};

}  // namespace vemrload
