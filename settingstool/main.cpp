// TavrelSettings: the settings tool for administrators (see CSettingsTool.h).
#include <iostream>
#include <string>
#include <vector>

#include "CSettingsTool.h"

#ifdef _WIN32
#include <windows.h>

#include "ProductIdentity.h"
#endif

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
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
