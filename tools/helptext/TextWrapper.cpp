#include "TextWrapper.h"

#include <sstream>

std::vector<std::string> TextWrapper::Wrap(const std::string& text, const std::string& firstIndent,
                                           const std::string& restIndent, size_t width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line = firstIndent;
    bool lineHasWord = false;
    for (std::string word; words >> word;) {
        if (lineHasWord && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line = restIndent;
            lineHasWord = false;
        }
        if (lineHasWord) line += ' ';
        line += word;
        lineHasWord = true;
    }
    if (lineHasWord) lines.push_back(line);
    return lines;
}
