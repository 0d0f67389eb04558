#include "CConsoleExchangeUser.h"

#include "launch/TextFormat.h"
#include "resources/resource.h"

void CConsoleExchangeUser::Refuse(UINT textId, const std::string& argument)
{
    m_messages << FormatText(m_strings.Load(textId), argument) << '\n';
    m_failed = true;
}

void CConsoleExchangeUser::Warn(UINT textId, const std::string& first, const std::string& second)
{
    m_messages << FormatText(m_strings.Load(textId), first, second) << '\n';
    m_warned = true;
}

void CConsoleExchangeUser::Done(UINT textId, UINT, const std::string& argument)
{
    m_messages << FormatText(m_strings.Load(textId), argument) << '\n';
}

bool CConsoleExchangeUser::ConfirmReplaceFile(const std::string&)
{
    return false;
}

bool CConsoleExchangeUser::ConfirmReplaceSetting(const std::string& name)
{
    if (m_replace) return true;
    m_messages << FormatText(m_strings.Load(IDS_TOOL_ERR_SETTING_STORED), name) << '\n';
    m_failed = true;
    return false;
}
