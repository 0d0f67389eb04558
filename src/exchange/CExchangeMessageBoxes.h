// The wizard's side of the setting exchange: every text and question in a message box.
#pragma once

#include "exchange/IExchangeUser.h"
#include "launch/CStrRes.h"

class CExchangeMessageBoxes : public IExchangeUser {
public:
    // owner: the window the refusals and notices belong to (may be null).
    explicit CExchangeMessageBoxes(HWND owner) : m_owner(owner) {}

    void Refuse(UINT textId, const std::string& argument) override;
    void Warn(UINT textId, const std::string& first, const std::string& second) override;
    // One box for all of them, however many files there were.
    void WentWithout(const std::vector<Omission>& omissions) override;
    void Done(UINT textId, UINT captionId, const std::string& argument) override;
    bool ConfirmReplaceFile(const std::string& target) override;
    bool ConfirmReplaceSetting(const std::string& name) override;

private:
    HWND m_owner;
    CStrRes m_strings;
};
