// JSON string literals for the tool's listings. The system's texts are in the ANSI code page;
// bytes above 127 are taken as Latin-1, so the output is plain ASCII and always valid JSON.
#pragma once

#include <string>

class CJsonText {
public:
    static std::string Quote(const std::string& text);
};
