#include "printer/CPrinterDriverInfo.h"

#include "printer/CPrint.h"

const CPrinterDriverInfo& CPrinterDriverInfo::Shared()
{
    static const CPrinterDriverInfo info;
    return info;
}

IPrinterDriverInfo::Driver CPrinterDriverInfo::Find(const std::string& printerName) const
{
    CPrint print;
    // The network test looks the printer up in the printer list.
    print.EnumeratePrinters();
    print.LoadDriverInfo(printerName);
    Driver driver;
    driver.folder = print.GetDriverFolder();
    if (driver.folder.empty()) return driver;
    driver.version = print.GetDriverVersion();
    driver.networkAllowed = print.IsNetworkAllowed(printerName) == 1;
    return driver;
}
