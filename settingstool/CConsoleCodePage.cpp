#include "CConsoleCodePage.h"

#include "platform/win32api.h"

CConsoleCodePage::CConsoleCodePage(std::ostream& stream, bool console)
    : m_stream(stream), m_target(stream.rdbuf()), m_console(console)
{
    m_stream.rdbuf(this);
}

CConsoleCodePage::~CConsoleCodePage()
{
    m_stream.rdbuf(m_target);
}

bool CConsoleCodePage::IsConsole(int standardStream)
{
#ifdef _WIN32
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standardStream == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), &mode) != 0;
#else
    (void)standardStream;
    return false;  // a terminal on Linux takes the bytes as they are
#endif
}

std::string CConsoleCodePage::Converted(const char* text, std::streamsize count) const
{
    std::string result(text, static_cast<size_t>(count));
#ifdef _WIN32
    // The same number of bytes in the console's code page.
    if (m_console && !result.empty()) CharToOemBuffA(result.c_str(), result.data(), static_cast<DWORD>(result.size()));
#endif
    return result;
}

CConsoleCodePage::int_type CConsoleCodePage::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    const std::string converted = Converted(&byte, 1);
    return m_target->sputc(converted[0]);
}

std::streamsize CConsoleCodePage::xsputn(const char* text, std::streamsize count)
{
    const std::string converted = Converted(text, count);
    return m_target->sputn(converted.data(), static_cast<std::streamsize>(converted.size()));
}

int CConsoleCodePage::sync()
{
    return m_target->pubsync();
}
