// Breaks a paragraph into lines of at most a given width at spaces, with one indent for the
// first line and another for the rest. A word longer than a line stands alone on its line.
#pragma once

#include <string>
#include <vector>

class TextWrapper {
public:
    static std::vector<std::string> Wrap(const std::string& text, const std::string& firstIndent,
                                         const std::string& restIndent, size_t width);
};
