#ifndef _WIN32

#include "support/SimPrinterModel.h"

#include "platform/win32api.h"
#include "printer/CPrint.h"
#include "support/MinimalMetafile.h"

namespace {

SimPrinterModel Model(const std::string& mode, const std::string& version, const std::string& tag)
{
    SimPrinterModel model;
    model.printMode = mode;
    model.version = version;
    model.printer = "Tav " + tag + " Printer";
    model.driver = "Tav " + tag + " Driver";
    return model;
}

bool IsMetafileMode(const std::string& mode)
{
    return mode == "EMF" || mode == "EMF_INTERNAL" || mode == "EMF_INTERNAL_XPS";
}

}  // namespace

SimPrinterModel SimPrinterModel::Emf() { return Model("EMF", "0300", "Emf"); }
SimPrinterModel SimPrinterModel::EmfInternal() { return Model("EMF_INTERNAL", "0320", "Internal"); }
SimPrinterModel SimPrinterModel::EmfInternalXps() { return Model("EMF_INTERNAL_XPS", "0340", "Xps"); }
SimPrinterModel SimPrinterModel::Raw330() { return Model("RAW", "3.30", "Raw330"); }
SimPrinterModel SimPrinterModel::Raw331() { return Model("RAW", "3.31", "Raw331"); }

std::string SimPrinterModel::DriverFolder() { return "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\"; }
std::string SimPrinterModel::UtilityFolder() { return "C:\\Host\\Tintora\\"; }
std::string SimPrinterModel::CatalogPath() const { return DriverFolder() + catalogFile; }
std::string SimPrinterModel::DataFolder() const { return UtilityFolder() + driver + "\\"; }
std::string SimPrinterModel::LocalCatalogPath() const { return DataFolder() + catalogFile; }

std::string SimPrinterModel::TestFile(const std::string& key) const
{
    char value[260] = {};
    std::string ini = UtilityFolder() + "Tavrel.ini";
    GetPrivateProfileStringA(("CCMVer" + version).c_str(), key.c_str(), "", value, sizeof value, ini.c_str());
    return UtilityFolder() + value;
}

void SimPrinterModel::Install(SimMachine& machine, const std::string& catalogText) const
{
    const std::string tag = driver.substr(4, driver.size() - 11);  // "Tav <tag> Driver"
    SimDriver d;
    d.name = driver;
    d.driverPath = DriverFolder() + "TV" + tag + ".DLL";
    d.configFile = DriverFolder() + "TV" + tag + "UI.DLL";
    d.dependentFiles = {"TV" + tag + ".CAP", catalogFile};
    machine.AddDriver(d);
    SimPrinter p;
    p.name = printer;
    p.driver = driver;
    p.driverExtra = 2100;  // room for every family's private fields, the XPS layout included
    p.finishJobs = finishJobs;
    p.faults = faults;
    machine.AddPrinter(p);
    machine.Apply();

    machine.WriteFile(d.driverPath, "driver");
    machine.WriteFile(d.configFile, "driver");
    machine.WriteFile(DriverFolder() + "TV" + tag + ".CAP",
                      "[Capability]\r\n" + driver + "=" + tag + "\r\n[" + tag + "]\r\nCCMInfoFile=" +
                          catalogFile + "\r\nCCMVersion=" + version + "\r\nLocalPrinterOnly=0\r\n");
    machine.WriteFile(CatalogPath(), catalogText.empty()
                                         ? "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n"
                                         : catalogText);

    const bool metafile = IsMetafileMode(printMode);
    const std::string ext = metafile ? ".EMF" : ".PRN";
    std::string section = "[CCMVer" + version + "]\r\nModule=TVCCM.dll\r\nIccModule=TVICC.dll\r\nPrintMode=" +
                          printMode + "\r\nColorTestFile=CTEST" + tag + ext + "\r\nGammaTestFile=GTEST" + tag +
                          ext + "\r\nSampleFile=SAMPLE" + tag + ext + "\r\n";
    if (!metafile) section += "DataSize=000000E4\r\n";
    section += "[DefaultSettingVer" + version + "]\r\nStandard=0\r\nVivid=1\r\nPhoto=2\r\n";
    std::string ini = machine.ReadFile(UtilityFolder() + "Tavrel.ini");
    machine.WriteFile(UtilityFolder() + "Tavrel.ini", ini + section);
    for (const char* key : {"CTEST", "GTEST", "SAMPLE"}) {
        std::string page = metafile ? MinimalMetafile() : std::string("\x1B%-12345X@PJL ENTER LANGUAGE=PCL\r\n") + key;
        machine.WriteFile(UtilityFolder() + key + tag + ext, page);
    }
    machine.WriteFile(DataFolder() + "keep", "");
}

CUtilityInfo SimPrinterModel::Info() const
{
    CUtilityInfo info;
    CPrint print;
    print.EnumeratePrinters();
    info.printerName = printer;
    info.driverName = print.GetDriverName(printer);
    info.driverCatalogPath = print.GetCCMInfoFile(printer);
    info.ccmVersion = print.GetCCMVersion(printer);
    info.printMode = printMode;
    info.localCatalogPath = LocalCatalogPath();
    print.GetDriverFolders(info.driverFolders);
    return info;
}

void PrintTo(const SimPrinterModel& model, std::ostream* out)
{
    *out << model.printMode << " " << model.version;
}

#endif
