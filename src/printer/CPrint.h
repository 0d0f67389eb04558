// Access to the print spooler: printers, drivers, capability files and the support decision.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "launch/CmyStringArray.h"
#include "platform/win32api.h"

class CColorAppearanceDownload;
class CIniUtility;

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
    // True when the version names its module, and every module it names is a bare file name.
    static bool HasLoadableModules(const CIniUtility& utility, const std::string& version);
    int IsNetworkAllowed(const std::string& printer);
    BOOL LoadDriverInfo(const std::string& printer);
    DWORD GetDriverVersion() const;
    std::string GetDriverFolder() const;
    int GetDriverFolders(CmyStringArray& folders);
    static std::string GetFileName(const std::string& path);

    // Raw job to printerName: the print message, then the colour-appearance download when both
    // tables are given, then the file's bytes unchanged. Raises CmyException; a download of
    // tables the size field does not announce starts no job, and a job that fails after it was
    // started is cancelled.
    void SendRawJob(const std::string& version, const std::string& filePath, const BYTE* tTable,
                    const BYTE* vTable, DWORD tableLength);
    // The PJL download of the two tables into the open job. Tables that are not exactly the
    // size the model's "DataSize" announces raise IDS_ERR_PRINT_FAILED before anything is written.
    void WriteColorAppearance(const std::string& version, const BYTE* tTable, const BYTE* vTable,
                              DWORD tableLength);
    // Sends data in pieces of at most 4096 bytes (one empty piece for no data); returns the
    // last WritePrinter result and raises CmyException when a write fails.
    BOOL WriteBytes(const void* data, DWORD length);

    // Shows the print message dialog and returns when it closes. The dialog lives above this
    // layer, so its owner installs it here; without one nothing is shown.
    using PrintMessageHandler = std::function<void()>;
    static PrintMessageHandler SetPrintMessageHandler(PrintMessageHandler handler);

protected:
    void ShowPrintMessage();
    static void BuildDownload(CColorAppearanceDownload& download, const std::string& version, const BYTE* tTable,
                              const BYTE* vTable, DWORD tableLength);
    void WriteDownload(const CColorAppearanceDownload& download);

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
