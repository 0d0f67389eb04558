// What the setting exchange tells and asks while it works. The wizard answers through message
// boxes; the settings tool prints the texts and answers from its command line.
#pragma once

#include <string>
#include <vector>

#include "platform/win32api.h"

class IExchangeUser {
public:
    virtual ~IExchangeUser() = default;

    // The operation is refused: string textId, its "%s" filled with argument.
    virtual void Refuse(UINT textId, const std::string& argument) = 0;
    // One file could not be copied; the operation goes on. textId takes first and second.
    virtual void Warn(UINT textId, const std::string& first, const std::string& second) = 0;

    // A file a finished operation went without: text textId with the file and the setting.
    struct Omission {
        UINT textId;
        std::string file;
        std::string setting;
    };
    // Told once the operation is done, never before: by default one Warn each.
    virtual void WentWithout(const std::vector<Omission>& omissions)
    {
        for (const Omission& omission : omissions) Warn(omission.textId, omission.file, omission.setting);
    }
    // The operation is done: string textId under caption captionId, with argument.
    virtual void Done(UINT textId, UINT captionId, const std::string& argument) = 0;
    // May the file target, which exists, be replaced?
    virtual bool ConfirmReplaceFile(const std::string& target) = 0;
    // May the stored setting name be replaced by the imported one?
    virtual bool ConfirmReplaceSetting(const std::string& name) = 0;
};
