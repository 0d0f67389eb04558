// Stand-in of the HTML help engine library (Linux only): the narrow-string HTML help function,
// by name and as ordinal 14. Every request is recorded on the simulated machine, where tests
// read them back (platform/posix/Simulation.h). What a viewer window would show goes to
// standard error, where the terminal wizard shows it: opening the help file prints one line
// with its title (the wizard asks for a topic right after), and a topic's context id prints the
// topic's text. Both are read from the text the build writes beside the compiled help file
// (HelpTopicFile.h).
#include <cstdio>
#include <string>

#include "HelpTopicFile.h"
#include "platform/posix/Simulation.h"
#include "platform/win32api.h"

#define HH_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The engine's commands that show a topic (the names of the Windows help header).
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;  // the help file's default topic
constexpr UINT HH_HELP_CONTEXT = 0x000F;   // the topic of a context id

// What the engine answers for a request it took: the handle of its (absent) viewer window.
HWND const kViewer = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x4848));

std::string HostPath(const char* windowsPath)
{
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = SimMachineHostPath(windowsPath, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// Prints the topic of a context id, or with wholeTopic false only the line naming it.
void PrintTopic(const char* file, unsigned long id, bool wholeTopic)
{
    HelpTopicFile topics;
    HelpTopicFile::Topic topic;
    const std::string hostPath = file ? HostPath(file) : std::string();
    if (hostPath.empty() || !topics.Load(hostPath)) {
        std::fprintf(stderr, "\nHelp: the help file %s cannot be opened.\n", file ? file : "");
    } else if (!topics.Find(id, topic)) {
        std::fprintf(stderr, "\nHelp: %s has no topic for context id %lu.\n", file, id);
    } else if (!wholeTopic) {
        std::fprintf(stderr, "\nHelp: %s (%s)\n", topic.title.c_str(), file);
    } else {
        std::string text = "\nHelp: " + topic.title + "\n" + std::string(6 + topic.title.size(), '=') + "\n";
        for (const std::string& line : topic.lines) text += line + "\n";
        std::fputs(text.c_str(), stderr);
    }
    std::fflush(stderr);
}

}  // namespace

HH_EXPORT HWND HtmlHelpA(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    SimMachineRecordHelp(SIM_HELP_HTML, owner, file, command, data);
    if (command == HH_DISPLAY_TOPIC && data == 0) PrintTopic(file, 0, false);
    if (command == HH_HELP_CONTEXT) PrintTopic(file, static_cast<unsigned long>(data), true);
    return kViewer;
}

HH_EXPORT HWND Ordinal14(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    return HtmlHelpA(owner, file, command, data);
}
