// The three-letter code that names the language resource libraries of a user-interface language.
#pragma once

#include "platform/win32api.h"

namespace vemrload {

// The code of the language, by exact language id first, then by primary language; null when the
// language has no code of its own.
const char* LanguageCode(LANGID language);

// The language every installation carries.
inline constexpr const char* kFallbackCode = "ENU";

}  // namespace vemrload
