// Builds the profiles of every stored setting of the supported "EMF" printers on this machine,
// as saving the setting in the wizard would have built them, and records them in the driver's
// catalogue. tools/make-demo-machine.sh runs it once the demo machine is laid out, so that the
// demo's stored settings are whole from the start (an export of them has nothing to warn about).
#include <cstdio>
#include <string>
#include <vector>

#include "controls/CmyEdit.h"
#include "gamma/CSilentProfileBuilder.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyException.h"
#include "printer/CPrint.h"
#include "printer/CPrinterDriverInfo.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"
#include "storage/IProfileBuilder.h"

namespace {

int BuildPrinterProfiles(CPrint& print, const std::string& printer)
{
    CUtilityInfo info;
    info.printerName = printer;
    info.driverName = print.GetDriverName(printer);
    info.ccmVersion = print.GetCCMVersion(printer);
    info.driverCatalogPath = print.GetCCMInfoFile(printer);
    info.printMode = CIniUtility().GetVersionValue(info.ccmVersion, "PrintMode");
    if (info.printMode != "EMF") return 0;
    int built = 0;
    for (int kind : {1, 2}) {
        CCtrlMng catalog;
        catalog.SetFile(info.driverCatalogPath, kind);
        for (const std::string& name : catalog.GetSettingNames()) {
            std::string tText, vText;
            catalog.GetTables(name, tText, vText);
            std::vector<BYTE> table;
            CmyEdit::HexToBytes(tText, table);
            if (table.empty()) continue;
            // Written straight into the utility folder: the demo is laid out before anyone uses it.
            IProfileBuilder::ProfileFiles into;
            for (size_t r = 0; r < into.size(); ++r) {
                const int resolutions[] = {300, 600, 1200};
                into[r] = CFileAcc().GetDataPath(
                    catalog.GetProfileFileName(kind == 1 ? "Color" : "Gamma", resolutions[r], name), info.driverName);
            }
            CSilentProfileBuilder().BuildProfiles(
                info, kind == 1 ? IProfileBuilder::colorProfiles : IProfileBuilder::gammaProfiles, table.data(), name,
                info.driverCatalogPath, into);
            catalog.RegisterProfiles(name, CPrinterDriverInfo::Shared(), printer, info.driverName, 0);
            ++built;
        }
    }
    return built;
}

}  // namespace

int main()
{
    try {
        CPrint print;
        CmyStringArray printers;
        print.GetPrinterList(printers);
        int built = 0;
        for (const std::string& printer : printers) {
            if (print.IsSupported(printer) == 1) built += BuildPrinterProfiles(print, printer);
        }
        std::printf("profiles of %d stored setting(s) built\n", built);
        return 0;
    } catch (const CmyException& e) {
        std::fprintf(stderr, "%s\n", e.GetMessage().c_str());
        return 1;
    }
}
