#include "launch/CHelpDispatcher.h"

bool CHelpDispatcher::IsWinHelpFile(const std::string& helpFile)
{
    static const std::string extension = ".hlp";
    return helpFile.size() >= extension.size() &&
           helpFile.compare(helpFile.size() - extension.size(), extension.size(), extension) == 0;
}

CHelpDispatcher::Topic CHelpDispatcher::ChooseTopic(int pageIndex, int editType)
{
    // Topics follow the page's position in the sequence, not which page it is.
    DWORD_PTR id = 0;
    switch (pageIndex) {
    case 0:
        id = 1;
        break;
    case 1:
        id = 2;
        break;
    case 2:
        id = editType == 1 ? 3 : editType == 2 ? 4 : editType == 3 ? 8 : 0;
        break;
    case 3:
        id = editType == 1 ? 5 : editType == 2 ? 7 : 0;
        break;
    case 4:
        id = 6;
        break;
    default:
        break;
    }
    if (id == 0) return {0, winHelpFinder, CHtmlHelpEntry::displayTopic};
    return {id, winHelpContext, CHtmlHelpEntry::helpContext};
}

void CHelpDispatcher::ShowHelp(const std::string& helpFile, int pageIndex, int editType) const
{
    bool winHelp = IsWinHelpFile(helpFile);
    m_engine.Call(nullptr, helpFile.c_str(), CHtmlHelpEntry::displayTopic, 0);
    Topic topic = ChooseTopic(pageIndex, editType);
    if (winHelp)
        WinHelpA(nullptr, helpFile.c_str(), topic.winHelpCommand, topic.id);
    else
        m_engine.Call(nullptr, helpFile.c_str(), topic.htmlHelpCommand, topic.id);
}
