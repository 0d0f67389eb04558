// The help file ships beside the programs, from where the utility folder is laid out, under the
// name the help project gives it: a compiled HTML help file with a context map and every topic
// the wizard asks for.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32api.h"

namespace {

std::string ProgramFolder()
{
    char module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path(module, length);
    return path.substr(0, path.rfind('\\') + 1);
}

std::string FileBytes(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

TEST(HelpFileTest, CompiledHelpWithItsContextMapAndEveryTopicIsBesideThePrograms)
{
    const std::string path = ProgramFolder() + TAVREL_HELP_FILE;
    const std::string bytes = FileBytes(path);
    ASSERT_GT(bytes.size(), 1024u) << path;
    EXPECT_EQ(bytes.substr(0, 4), "ITSF");
    // The file directory is stored uncompressed: the names of the context map's two internal
    // files (context id to topic) and of the topic pages appear as they are.
    for (const char* name : {"/#IVB", "/#STRINGS", "/index.html", "/choose-task.html", "/choose-printer.html",
                             "/colour-start.html", "/gamma-start.html", "/colour-balance.html", "/save-setting.html",
                             "/gamma.html", "/stored-settings.html"}) {
        EXPECT_NE(bytes.find(name), std::string::npos) << name;
    }
}

}  // namespace
