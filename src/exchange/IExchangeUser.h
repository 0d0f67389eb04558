// What the setting exchange tells and asks while it works. The wizard answers through message
// boxes; the settings tool prints the texts and answers from its command line.
#pragma once

#include <string>

#include "platform/win32api.h"

class IExchangeUser {
public:
    virtual ~IExchangeUser() = default;

    // The operation is refused: string textId, its "%s" filled with argument.
    virtual void Refuse(UINT textId, const std::string& argument) = 0;
    // One file could not be copied; the operation goes on. textId takes first and second.
    virtual void Warn(UINT textId, const std::string& first, const std::string& second) = 0;
    // The operation is done: string textId under caption captionId, with argument.
    virtual void Done(UINT textId, UINT captionId, const std::string& argument) = 0;
    // May the file target, which exists, be replaced?
    virtual bool ConfirmReplaceFile(const std::string& target) = 0;
    // May the stored setting name be replaced by the imported one?
    virtual bool ConfirmReplaceSetting(const std::string& name) = 0;
};
