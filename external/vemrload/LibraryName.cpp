#include "vemrload/LibraryName.h"

namespace vemrload {

std::string LibraryName(const char* pattern, const char* code) {
    std::string name = pattern ? pattern : "";
    const auto at = name.find("%s");
    if (at != std::string::npos) name.replace(at, 2, code);
    return name;
}

std::string WithLibraryExtension(const std::string& name) {
    const auto slash = name.find_last_of("\\/");
    const auto dot = name.find('.', slash == std::string::npos ? 0 : slash + 1);
    return dot == std::string::npos ? name + ".dll" : name;
}

}  // namespace vemrload
