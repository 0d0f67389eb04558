// TavrelSettings: the settings tool for administrators (see CSettingsTool.h).
#include <iostream>
#include <string>
#include <vector>

#include "CConsoleCodePage.h"
#include "CSettingsTool.h"

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    CConsoleCodePage out(std::cout, CConsoleCodePage::IsConsole(1));
    CConsoleCodePage messages(std::cerr, CConsoleCodePage::IsConsole(2));
    return CSettingsTool(std::cout, std::cerr).Run(arguments);
}
