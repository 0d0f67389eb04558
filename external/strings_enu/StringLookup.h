// The export through which the resource loader reads texts out of a string library.
#pragma once

// const char* XvLookupString(unsigned int id): the NUL-terminated text of the id, or null when
// the library has none. The text lives as long as the library stays loaded.
#define XV_STRING_LOOKUP_EXPORT "XvLookupString"

using XvStringLookupFn = const char* (*)(unsigned int id);
