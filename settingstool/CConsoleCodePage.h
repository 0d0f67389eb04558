// The tool's texts are in the ANSI code page, as the string library and the system hand them
// out. A Windows console shows its own (OEM) code page, where "ä" of a German message would come
// out as another letter: this stream buffer converts what goes to a console and leaves a file or
// a pipe the bytes unchanged (a script reading them gets what the system stores).
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

class CConsoleCodePage : public std::streambuf {
public:
    // Puts itself between stream and its buffer until destroyed; converts when console is true.
    CConsoleCodePage(std::ostream& stream, bool console);
    ~CConsoleCodePage() override;
    CConsoleCodePage(const CConsoleCodePage&) = delete;
    CConsoleCodePage& operator=(const CConsoleCodePage&) = delete;

    // Whether the standard output (1) or error (2) of this process is a console.
    static bool IsConsole(int standardStream);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    std::string Converted(const char* text, std::streamsize count) const;

    std::ostream& m_stream;
    std::streambuf* m_target;
    bool m_console;
};
