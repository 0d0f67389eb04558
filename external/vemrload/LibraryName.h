// Builds a library file name from a caller's pattern and a language code.
#pragma once

#include <string>

namespace vemrload {

// The pattern with its first "%s" replaced by code; nothing else of the pattern is interpreted,
// so a pattern with other "%" sequences is taken literally.
std::string LibraryName(const char* pattern, const char* code);

// name with ".dll" appended when its last path component has no extension.
std::string WithLibraryExtension(const std::string& name);

}  // namespace vemrload
