// Looks a text up in the range tables of this library.
#include "strings_enu/StringLookup.h"

#include "strings_enu/StringTable.h"

#ifdef _WIN32
#define XV_EXPORT extern "C" __declspec(dllexport)
#else
#define XV_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

const char* Find(std::span<const strings_enu::StringEntry> table, unsigned int id) {
    for (const auto& entry : table) {
        if (entry.id == id) return entry.text;
    }
    return nullptr;
}

}  // namespace

XV_EXPORT const char* XvLookupString(unsigned int id) {
    using namespace strings_enu;
    if (id < 100) return Find(TitleStrings(), id);
    if (id < 200) return Find(LabelStrings(), id);
    if (id < 300) return Find(ButtonStrings(), id);
    if (id >= 500 && id < 600) return Find(MessageStrings(), id);
    return nullptr;
}
