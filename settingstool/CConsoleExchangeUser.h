// The settings tool's side of the setting exchange: texts go to a stream (standard error),
// nothing is asked. A stored setting is replaced only when the command line said so; a file
// of an export is never replaced (the export writes into a folder it has just made).
#pragma once

#include <ostream>

#include "exchange/IExchangeUser.h"
#include "launch/CStrRes.h"

class CConsoleExchangeUser : public IExchangeUser {
public:
    CConsoleExchangeUser(const CStrRes& strings, std::ostream& messages, bool replaceSettings)
        : m_strings(strings), m_messages(messages), m_replace(replaceSettings) {}

    void Refuse(UINT textId, const std::string& argument) override;
    void Warn(UINT textId, const std::string& first, const std::string& second) override;
    void Done(UINT textId, UINT captionId, const std::string& argument) override;
    bool ConfirmReplaceFile(const std::string& target) override;
    bool ConfirmReplaceSetting(const std::string& name) override;

    // True once anything was refused or a setting was kept.
    bool Failed() const { return m_failed; }
    // True once a file could not be copied and the operation went on without it.
    bool Warned() const { return m_warned; }

private:
    const CStrRes& m_strings;
    std::ostream& m_messages;
    bool m_replace;
    bool m_failed = false;
    bool m_warned = false;
};
