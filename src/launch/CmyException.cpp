#include "launch/CmyException.h"

#include "launch/CStrRes.h"
#include "launch/TextFormat.h"

namespace {

constexpr UINT kStopOk = 0x10;
constexpr UINT kExclamationOk = 0x30;

}  // namespace

CmyException::CmyException(UINT textId, const std::string& argument, int severity)
    : m_severity(severity), m_textId(textId) {
    std::string text;
    {
        CStrRes strings;
        strings.LoadString(textId, text);
    }
    if (argument.empty()) {
        m_message = text;
        return;
    }
    // Only the file name is shown: the folders of a path mean nothing to the user.
    const auto slash = argument.find_last_of('\\');
    m_fileArgument = slash == std::string::npos ? argument : argument.substr(slash + 1);
    m_message = FormatText(text, m_fileArgument);
}

void CmyException::Report() const {
    if (m_severity == error) {
        m_box.ShowText(m_message, kStopOk);
    } else if (m_severity == warning) {
        m_box.ShowText(m_message, kExclamationOk);
    }
}
