// TavrelSettings: the settings tool for administrators (see CSettingsTool.h).
#include <iostream>
#include <string>
#include <vector>

#include "CConsoleCodePage.h"
#include "CSettingsTool.h"
#include "platform/win32api.h"

#ifdef _WIN32
#include <windows.h>

#include "ProductIdentity.h"
#endif

int main(int argc, char** argv)
{
    // Before anything is loaded: libraries come from this program's folder and System32 only,
    // never from the current folder or PATH.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    CConsoleCodePage out(std::cout, CConsoleCodePage::IsConsole(1));
    CConsoleCodePage messages(std::cerr, CConsoleCodePage::IsConsole(2));
#ifdef _WIN32
    // Held while the tool runs: the installers refuse to replace its files under it.
    const HANDLE running = CreateMutexA(nullptr, FALSE, TAVREL_RUNNING_MUTEX);
#endif
    const int status = CSettingsTool(std::cout, std::cerr).Run(arguments);
#ifdef _WIN32
    if (running) CloseHandle(running);
#endif
    return status;
}
