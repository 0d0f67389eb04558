// Where the language libraries are: beside the loader itself, and nowhere else. They are
// loaded by full path once found there as files, so the current folder and PATH are never
// searched for them.
#pragma once

#include <string>

#include "platform/win32api.h"

namespace vemrload {

// The folder of the loader's own module, with a trailing backslash; empty when unknown.
std::string LoaderFolder();
// The library fileName (a file name without folder) beside the loader; null when the name
// has a folder in it, or the file is not there, or it cannot be loaded.
HMODULE LoadBesideLoader(const std::string& fileName);

}  // namespace vemrload
