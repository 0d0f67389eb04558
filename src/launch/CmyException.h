// A failure the user must see, carried up to the handler that started the operation.
#pragma once

#include <string>

#include "launch/CmyMessageBox.h"
#include "platform/win32api.h"

class CmyException {
public:
    static constexpr int error = 0;
    static constexpr int warning = 1;

    // Loads text textId; a non-empty argument is cut to its file name and fills the "%s".
    CmyException(UINT textId, const std::string& argument = {}, int severity = error);

    // Severity 0 shows a stop box (IDS_CAPTION_ERROR), 1 an exclamation box (IDS_CAPTION_WARNING), others nothing.
    void Report() const;

    UINT GetTextId() const { return m_textId; }
    int GetSeverity() const { return m_severity; }
    const std::string& GetFileArgument() const { return m_fileArgument; }
    const std::string& GetMessage() const { return m_message; }

private:
    int m_severity;
    std::string m_fileArgument;
    std::string m_message;
    CmyMessageBox m_box;
    UINT m_textId;
};
