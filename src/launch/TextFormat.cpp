#include "launch/TextFormat.h"

#include <initializer_list>

namespace {

// One pass over format: "%%" becomes "%", each placeholder in turn takes the next argument,
// everything else (further placeholders included) is copied. Arguments are never scanned.
std::string Fill(const std::string& format, char placeholder, std::initializer_list<std::string> arguments) {
    std::string result;
    result.reserve(format.size());
    auto next = arguments.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char kind = format[i + 1];
            if (kind == '%') {
                result += '%';
                ++i;
                continue;
            }
            if (kind == placeholder && next != arguments.end()) {
                result += *next++;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

}  // namespace

std::string FormatText(const std::string& format, const std::string& argument) {
    return Fill(format, 's', {argument});
}

std::string FormatText(const std::string& format, const std::string& first, const std::string& second) {
    return Fill(format, 's', {first, second});
}

std::string FormatNumber(const std::string& format, int number) {
    return Fill(format, 'd', {std::to_string(number)});
}

std::string WithoutAccessKey(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        plain.push_back(text[i]);
        if (text[i] == '&' && i + 1 < text.size()) plain.push_back(text[++i]);
    }
    return plain;
}
