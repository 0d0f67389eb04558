// Whether a setting name can serve as a key of the setting catalogue. A gamma setting's mode is
// stored under its name in the same section as the counts, identifiers, names, tables and
// profile paths, and profile keys ignore case, so a name must not read as one of those keys,
// must not break the key=value line or read back as another text, and two names that differ
// only in case are one name.
#pragma once

#include <string>

#include "launch/CmyStringArray.h"

class CCatalogKey {
public:
    // False for the catalogue's own keys (any case), names with "=", names starting with "["
    // or ";", and names that ReadsBackChanged.
    static bool IsUsableName(const std::string& name);
    // True when the name, written as a catalogue value, would be read back as another text:
    // empty, blanks at either end, a control character, or wrapped in a pair of quotes.
    static bool ReadsBackChanged(const std::string& name);
    // Equal ignoring case as the ANSI code page's letters have it ("café" and "CAFÉ" are one
    // name), as the catalogue compares keys.
    static bool SameName(const std::string& a, const std::string& b);
    // The spelling under which names holds name, ignoring case; empty when it holds none.
    static std::string FindStored(const CmyStringArray& names, const std::string& name);
};
