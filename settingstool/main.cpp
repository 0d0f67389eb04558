// TavrelSettings: the settings tool for administrators (see CSettingsTool.h).
#include <iostream>
#include <string>
#include <vector>

#include "CConsoleCodePage.h"
#include "CSettingsTool.h"
#include "platform/win32api.h"

int main(int argc, char** argv)
{
    // Before anything is loaded: libraries come from this program's folder and System32 only,
    // never from the current folder or PATH.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    CConsoleCodePage out(std::cout, CConsoleCodePage::IsConsole(1));
    CConsoleCodePage messages(std::cerr, CConsoleCodePage::IsConsole(2));
    return CSettingsTool(std::cout, std::cerr).Run(arguments);
}
