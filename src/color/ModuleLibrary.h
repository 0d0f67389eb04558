// The printer-model module library both wrappers load: named by "Module" of the model's
// CCM version in the utility INI file, its functions looked up by name at every call.
#pragma once

#include <string>

#include "platform/win32api.h"

namespace ModuleLibrary {

// Loads the module of the CCM version from our own folder; null when it cannot be loaded or
// is not named by a bare file name (reported at first use).
HMODULE Load(const std::string& ccmVersion);
// The exported function; raises CmyException IDS_ERR_MODULE_FAILED when the module or the
// function is missing.
FARPROC Function(HMODULE module, const char* name);

}  // namespace ModuleLibrary
