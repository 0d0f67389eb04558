// Access to the print spooler: printers, drivers, capability files and the support decision.
#pragma once

#include <memory>
#include <string>

#include "launch/CmyStringArray.h"
#include "platform/win32api.h"

class CPrint {
public:
    CPrint() = default;
    virtual ~CPrint();
    CPrint(const CPrint&) = delete;
    CPrint& operator=(const CPrint&) = delete;

    int EnumeratePrinters();
    void GetPrinterList(CmyStringArray& names);
    int GetPrinterCount() const { return printerCount; }
    void SetPrinterName(const std::string& name) { printerName = name; }
    const std::string& GetPrinterName() const { return printerName; }
    std::string GetDriverName(const std::string& printer) const;
    std::string FindCapabilityFile(const std::string& printer);
    std::string GetCCMInfoFile(const std::string& printer);
    std::string GetCCMVersion(const std::string& printer);
    int IsSupported(const std::string& printer);
    int IsNetworkAllowed(const std::string& printer);
    BOOL LoadDriverInfo(const std::string& printer);
    DWORD GetDriverVersion() const;
    std::string GetDriverFolder() const;
    int GetDriverFolders(CmyStringArray& folders);
    static std::string GetFileName(const std::string& path);

protected:
    // Value of key in the printer's model section of its capability file.
    std::string GetModelValue(const std::string& printer, const std::string& key);

    std::string unusedText;
    CmyStringArray unusedList;
    HANDLE printer = nullptr;
    std::string printerName;
    int printerCount = 0;
    std::unique_ptr<BYTE[]> printerTable;
    DWORD printerTableCount = 0;
    std::unique_ptr<BYTE[]> driverInfo;
};
