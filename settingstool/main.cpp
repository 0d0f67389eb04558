// TavrelSettings: the settings tool for administrators (see CSettingsTool.h).
#include <iostream>
#include <string>
#include <vector>

#include "CSettingsTool.h"

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return CSettingsTool(std::cout, std::cerr).Run(arguments);
}
