// The Help command of the wizard: shows the help file, then the topic chosen by the active
// page's position and the edit type, through WinHelp for ".hlp" files, else HTML help.
#pragma once

#include <string>

#include "launch/CHtmlHelpEntry.h"
#include "platform/win32api.h"

class CHelpDispatcher {
public:
    struct Topic {
        DWORD_PTR id;
        UINT winHelpCommand;   // context, or the finder when there is no topic
        UINT htmlHelpCommand;  // context id, or display when there is no topic
    };

    static constexpr UINT winHelpContext = 1;
    static constexpr UINT winHelpFinder = 11;

    explicit CHelpDispatcher(CHtmlHelpEntry& engine = CHtmlHelpEntry::Shared()) : m_engine(engine) {}

    // A WinHelp file ends in exactly ".hlp" (case matters).
    static bool IsWinHelpFile(const std::string& helpFile);
    static Topic ChooseTopic(int pageIndex, int editType);

    void ShowHelp(const std::string& helpFile, int pageIndex, int editType) const;

private:
    CHtmlHelpEntry& m_engine;
};
