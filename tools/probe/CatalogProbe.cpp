// Shows what the utility sees on this machine: the installed printers, which of them it
// supports, and for each supported one its model values and the settings in its catalogue.
#include <cstdio>
#include <string>

#include "launch/CmyException.h"
#include "launch/CmyStringArray.h"
#include "printer/CPrint.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniUtility.h"

namespace {

void ListSettings(const std::string& catalogPath, int kind, const char* label) {
    CCtrlMng catalog;
    catalog.SetFile(catalogPath, kind);
    CmyStringArray names = catalog.GetSettingNames();
    std::printf("    %s settings (%d):\n", label, names.GetSize());
    for (const std::string& name : names) {
        std::string t, v;
        catalog.GetTables(name, t, v);
        std::printf("      [%s] %-24s %-12s T %zu bytes, V %zu bytes\n", catalog.GetIdByName(name).c_str(),
                    name.c_str(), catalog.GetDataFileName(name).c_str(), t.size() / 2, v.size() / 2);
    }
}

void ShowPrinter(CPrint& print, const std::string& name) {
    const bool supported = print.IsSupported(name) == 1;
    std::printf("%s  %s\n", supported ? "[supported]  " : "[unsupported]", name.c_str());
    std::printf("    driver: %s\n", print.GetDriverName(name).c_str());
    const std::string cap = print.FindCapabilityFile(name);
    std::printf("    capability file: %s\n", cap.empty() ? "(none)" : cap.c_str());
    if (!supported) return;
    const std::string version = print.GetCCMVersion(name);
    const std::string catalogPath = print.GetCCMInfoFile(name);
    CIniUtility utility;
    std::printf("    CCM version: %s, module: %s, print mode: %s, network use: %s\n", version.c_str(),
                utility.GetVersionValue(version, "Module").c_str(),
                utility.GetVersionValue(version, "PrintMode").c_str(),
                print.IsNetworkAllowed(name) ? "allowed" : "local only");
    std::printf("    catalogue: %s\n", catalogPath.c_str());
    CmyStringArray defaults = utility.GetDefaultSettingNames(version);
    std::printf("    default settings:");
    for (const std::string& d : defaults) std::printf(" \"%s\"", d.c_str());
    std::printf("\n");
    ListSettings(catalogPath, 1, "colour");
    ListSettings(catalogPath, 2, "gamma");
}

}  // namespace

int main() {
    try {
        CPrint print;
        CmyStringArray names;
        print.GetPrinterList(names);
        std::printf("%d printer(s) listed\n", print.GetPrinterCount());
        for (const std::string& name : names) ShowPrinter(print, name);
        return 0;
    } catch (const CmyException& e) {
        std::fprintf(stderr, "%s\n", e.GetMessage().c_str());
        return 1;
    }
}
