// The English string library: texts by string id, kept in one table per id range.
#pragma once

#include <span>

namespace strings_enu {

struct StringEntry {
    unsigned int id;
    const char* text;
};

std::span<const StringEntry> TitleStrings();    // 1-99: window titles, captions, menu items
std::span<const StringEntry> LabelStrings();    // 100-199: page and dialog texts
std::span<const StringEntry> ButtonStrings();   // 200-299: buttons, check boxes, zone names
std::span<const StringEntry> MessageStrings();  // 500-599: message boxes and their captions

}  // namespace strings_enu
