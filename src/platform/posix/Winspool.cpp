// winspool: printers and drivers of the simulated machine, reported in Windows' record layouts.
#include <sys/stat.h>

#include <cstring>
#include <functional>
#include <memory>

#include "LastError.h"
#include "MachineState.h"
#include "PrinterObject.h"
#include "SpoolBuffer.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

void FillPrinter2(const Spooler& spooler, const PrinterRecord& p, SpoolBuffer& sb, uint8_t* at)
{
    PRINTER_INFO_2A info{};
    info.pServerName = sb.OptionalString(p.server);
    info.pPrinterName = sb.String(p.FullName());
    info.pShareName = sb.OptionalString(p.shareName);
    info.pPortName = sb.String(p.port);
    info.pDriverName = sb.String(p.driver);
    info.pComment = sb.OptionalString(p.comment);
    info.pLocation = sb.OptionalString(p.location);
    std::vector<uint8_t> devMode = spooler.DefaultDevMode(p);
    info.pDevMode = static_cast<LPDEVMODEA>(sb.Block(devMode.data(), devMode.size(), 8));
    info.pPrintProcessor = sb.String(p.printProcessor);
    info.pDatatype = sb.String(p.datatype);
    info.Attributes = p.attributes;
    info.Priority = 1;
    info.Status = p.status;
    info.cJobs = spooler.Jobs().CountOf(p.FullName());
    if (at) std::memcpy(at, &info, sizeof info);
}

void FillPrinter4(const PrinterRecord& p, SpoolBuffer& sb, uint8_t* at)
{
    PRINTER_INFO_4A info{};
    info.pPrinterName = sb.String(p.FullName());
    info.pServerName = sb.OptionalString(p.server);
    info.Attributes = p.attributes;
    if (at) std::memcpy(at, &info, sizeof info);
}

void FillDriver(const DriverRecord& d, DWORD level, SpoolBuffer& sb, uint8_t* at)
{
    DRIVER_INFO_3A info{};
    info.cVersion = d.version;
    info.pName = sb.String(d.name);
    info.pEnvironment = sb.String(d.environment);
    info.pDriverPath = sb.String(d.driverPath);
    info.pDataFile = sb.String(d.dataFile);
    info.pConfigFile = sb.String(d.configFile);
    if (level == 3) {
        info.pHelpFile = sb.OptionalString(d.helpFile);
        info.pDependentFiles = sb.MultiString(d.dependentFiles);
        info.pMonitorName = sb.String(d.monitorName);
        info.pDefaultDataType = sb.String(d.defaultDataType);
    }
    if (at) std::memcpy(at, &info, level == 3 ? sizeof(DRIVER_INFO_3A) : sizeof(DRIVER_INFO_2A));
}

size_t PrinterRecordSize(DWORD level)
{
    return level == 2 ? sizeof(PRINTER_INFO_2A) : level == 4 ? sizeof(PRINTER_INFO_4A) : 0;
}

size_t DriverRecordSize(DWORD level)
{
    return level == 2 ? sizeof(DRIVER_INFO_2A) : level == 3 ? sizeof(DRIVER_INFO_3A) : 0;
}

const PrinterRecord* PrinterOf(MachineState& state, HANDLE handle)
{
    PrinterObject* object = state.Handles().Get<PrinterObject>(handle);
    return object ? state.PrintSpooler().FindPrinter(object->Name()) : nullptr;
}

std::string EnvironmentOf(const MachineState& state, LPCSTR environment)
{
    return environment && *environment ? std::string(environment) : state.Machine().environment;
}

std::string DriverDirectory(const MachineState& state, const std::string& environment)
{
    const std::string& own = state.Machine().driverDirectory;
    if (TextUtil::EqualNoCase(environment, state.Machine().environment)) return own;
    std::string parent = own.substr(0, own.rfind('\\'));
    if (TextUtil::EqualNoCase(environment, "Windows NT x86")) return parent + "\\W32X86";
    if (TextUtil::EqualNoCase(environment, "Windows 4.0")) return parent + "\\WIN40";
    if (TextUtil::EqualNoCase(environment, "Windows ARM64")) return parent + "\\ARM64";
    return parent + "\\x64";
}

void EnsureFolder(const std::string& windowsPath)
{
    for (size_t pos = windowsPath.find('\\', 3); ; pos = windowsPath.find('\\', pos + 1)) {
        CreateDirectoryA(windowsPath.substr(0, pos).c_str(), nullptr);
        if (pos == std::string::npos) break;
    }
}

std::string FileNameOf(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct FileInstaller {
    MachineState& state;
    std::string sourceFolder;   // folder of the given driver file, "" when it has none
    std::string driverFolder;   // the environment's driver directory
    std::string targetFolder;   // driverFolder + "\" + version
    DWORD flags;
    DWORD error = 0;

    // Copies one file into the version folder and returns the path the spooler reports.
    // The file is taken from the path as listed when it exists there, else by its file name
    // from the folder of the driver file, else from the driver directory where installers
    // stage their files.
    std::string Install(const std::string& name)
    {
        if (name.empty() || error) return {};
        PathMapper paths = state.Paths();
        std::string file = FileNameOf(name);
        std::vector<std::string> candidates;
        if (file != name) candidates.push_back(name);
        if (!sourceFolder.empty()) candidates.push_back(sourceFolder + "\\" + file);
        candidates.push_back(driverFolder + "\\" + file);
        std::string source = candidates.back();
        for (const std::string& candidate : candidates) {
            if (paths.Resolve(candidate).exists) {
                source = candidate;
                break;
            }
        }
        PathMapper::Resolved from = paths.Resolve(source);
        std::string target = targetFolder + "\\" + file;
        PathMapper::Resolved to = paths.Resolve(target);
        if (!from.exists) {
            // Already in place from an earlier installation: nothing to copy.
            if (to.exists) return target;
            error = PathMapper::MissingError(from);
            return {};
        }
        if (to.exists && from.host == to.host) return target;
        bool copy = !to.exists || (flags & APD_COPY_ALL_FILES);
        if (!copy) {
            struct stat a, b;
            // Copies keep the source's time, so a newer source is a changed one.
            copy = ::stat(from.host.c_str(), &a) == 0 && ::stat(to.host.c_str(), &b) == 0 &&
                   (a.st_mtim.tv_sec > b.st_mtim.tv_sec ||
                    (a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec > b.st_mtim.tv_nsec));
        }
        if (copy && !CopyFileA(source.c_str(), target.c_str(), FALSE)) error = GetLastError();
        return target;
    }
};

}  // namespace

extern "C" BOOL EnumPrintersA(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                              LPDWORD returned)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!needed || !returned) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    *returned = 0;
    if (!PrinterRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    const Spooler& spooler = state.PrintSpooler();
    bool local = (flags & PRINTER_ENUM_LOCAL) != 0;
    if (flags & PRINTER_ENUM_NAME) {
        // Only this machine answers by name: no name, or "\\" + its computer name.
        std::string own = "\\\\" + state.Machine().computerName;
        local = local || !name || !*name || TextUtil::EqualNoCase(name, own);
    }
    std::vector<const PrinterRecord*> chosen;
    for (const PrinterRecord& p : spooler.Printers()) {
        bool connection = !p.server.empty();
        if ((connection && (flags & PRINTER_ENUM_CONNECTIONS)) || (!connection && local))
            chosen.push_back(&p);
    }
    if ((flags & PRINTER_ENUM_DEFAULT) && chosen.empty()) {
        for (const PrinterRecord& p : spooler.Printers())
            if (p.attributes & PRINTER_ATTRIBUTE_DEFAULT) {
                chosen.push_back(&p);
                break;
            }
    }
    size_t recordSize = PrinterRecordSize(level);
    BOOL ok = SpoolBuffer::Pack(buffer, size, needed, recordSize * chosen.size(), [&](SpoolBuffer& sb, uint8_t* base) {
        for (size_t i = 0; i < chosen.size(); ++i) {
            uint8_t* at = base ? base + i * recordSize : nullptr;
            if (level == 2) FillPrinter2(spooler, *chosen[i], sb, at);
            else FillPrinter4(*chosen[i], sb, at);
        }
    });
    if (ok) *returned = static_cast<DWORD>(chosen.size());
    return ok;
}

extern "C" BOOL OpenPrinterA(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA /*defaults*/)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!printer) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    *printer = nullptr;
    const PrinterRecord* p = name ? state.PrintSpooler().FindPrinter(name) : nullptr;
    if (!p) return LastError::Fail(ERROR_INVALID_PRINTER_NAME, FALSE);
    *printer = state.Handles().Add(std::make_unique<PrinterObject>(p->FullName()));
    return TRUE;
}

extern "C" BOOL ClosePrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = state.Handles().Get<PrinterObject>(printer);
    if (!object) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    // A document still open on the handle ends with it, as if EndDocPrinter had been called.
    if (object->JobId()) state.PrintSpooler().Jobs().EndDocument(object->JobId());
    state.Handles().Close(printer);
    return TRUE;
}

extern "C" BOOL GetPrinterA(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const PrinterRecord* p = PrinterOf(state, printer);
    if (!p) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!PrinterRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    if (level == 2 && p->failPrinterInfo) {
        if (needed) *needed = 0;
        return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    const Spooler& spooler = state.PrintSpooler();
    return SpoolBuffer::Pack(buffer, size, needed, PrinterRecordSize(level), [&](SpoolBuffer& sb, uint8_t* base) {
        if (level == 2) FillPrinter2(spooler, *p, sb, base);
        else FillPrinter4(*p, sb, base);
    });
}

extern "C" BOOL GetPrinterDriverA(HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                  LPDWORD needed)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const PrinterRecord* p = PrinterOf(state, printer);
    if (!p) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!DriverRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    const DriverRecord* d = state.PrintSpooler().FindDriver(p->driver, EnvironmentOf(state, environment));
    if (!d) return LastError::Fail(ERROR_UNKNOWN_PRINTER_DRIVER, FALSE);
    return SpoolBuffer::Pack(buffer, size, needed, DriverRecordSize(level),
                [&](SpoolBuffer& sb, uint8_t* base) { FillDriver(*d, level, sb, base); });
}

extern "C" BOOL EnumPrinterDriversA(LPSTR /*server*/, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                    LPDWORD needed, LPDWORD returned)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!needed || !returned) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    *returned = 0;
    if (!DriverRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    std::vector<const DriverRecord*> drivers = state.PrintSpooler().Drivers(EnvironmentOf(state, environment));
    size_t recordSize = DriverRecordSize(level);
    BOOL ok = SpoolBuffer::Pack(buffer, size, needed, recordSize * drivers.size(), [&](SpoolBuffer& sb, uint8_t* base) {
        for (size_t i = 0; i < drivers.size(); ++i)
            FillDriver(*drivers[i], level, sb, base ? base + i * recordSize : nullptr);
    });
    if (ok) *returned = static_cast<DWORD>(drivers.size());
    return ok;
}

extern "C" LONG DocumentPropertiesA(HWND /*window*/, HANDLE printer, LPSTR deviceName, PDEVMODEA output,
                                    PDEVMODEA input, DWORD mode)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const PrinterRecord* p = PrinterOf(state, printer);
    if (!p && !printer && deviceName) p = state.PrintSpooler().FindPrinter(deviceName);
    if (!p) return LastError::Fail(ERROR_INVALID_HANDLE, LONG{-1});
    std::vector<uint8_t> devMode = state.PrintSpooler().DefaultDevMode(*p);
    if (mode == 0 || !output) return static_cast<LONG>(devMode.size());
    if ((mode & DM_IN_BUFFER) && input && input->dmSize >= sizeof(DEVMODEA)) {
        // Merge the caller's public fields that it marks as set, and its private area when
        // it is of this driver's size.
        auto* dm = reinterpret_cast<DEVMODEA*>(devMode.data());
        DWORD fields = input->dmFields;
        if (fields & DM_ORIENTATION) dm->dmOrientation = input->dmOrientation;
        if (fields & DM_PAPERSIZE) dm->dmPaperSize = input->dmPaperSize;
        if (fields & DM_PAPERLENGTH) dm->dmPaperLength = input->dmPaperLength;
        if (fields & DM_PAPERWIDTH) dm->dmPaperWidth = input->dmPaperWidth;
        if (fields & DM_SCALE) dm->dmScale = input->dmScale;
        if (fields & DM_COPIES) dm->dmCopies = input->dmCopies;
        if (fields & DM_DEFAULTSOURCE) dm->dmDefaultSource = input->dmDefaultSource;
        if (fields & DM_PRINTQUALITY) dm->dmPrintQuality = input->dmPrintQuality;
        if (fields & DM_COLOR) dm->dmColor = input->dmColor;
        if (fields & DM_DUPLEX) dm->dmDuplex = input->dmDuplex;
        if (fields & DM_YRESOLUTION) dm->dmYResolution = input->dmYResolution;
        if (fields & DM_COLLATE) dm->dmCollate = input->dmCollate;
        dm->dmFields |= fields & (DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_SCALE | DM_COPIES |
                                  DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX | DM_YRESOLUTION | DM_COLLATE);
        if (input->dmSize == sizeof(DEVMODEA) && input->dmDriverExtra == p->driverExtra)
            std::memcpy(devMode.data() + sizeof(DEVMODEA), reinterpret_cast<const uint8_t*>(input) + sizeof(DEVMODEA),
                        p->driverExtra);
    }
    if (mode & DM_OUT_BUFFER) std::memcpy(output, devMode.data(), devMode.size());
    return 1;  // IDOK
}

extern "C" BOOL AddPrinterDriverExA(LPSTR /*server*/, DWORD level, LPBYTE info, DWORD copyFlags)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (level != 2 && level != 3) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    if (!info) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    DRIVER_INFO_3A given{};
    std::memcpy(&given, info, level == 3 ? sizeof(DRIVER_INFO_3A) : sizeof(DRIVER_INFO_2A));
    auto text = [](LPSTR s) { return s ? std::string(s) : std::string(); };
    if (!given.pName || !*given.pName || !given.pDriverPath || !*given.pDriverPath || !given.pDataFile ||
        !given.pConfigFile)
        return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);

    DriverRecord d;
    d.name = given.pName;
    d.version = given.cVersion;
    d.environment = EnvironmentOf(state, given.pEnvironment);
    std::string driverPath = given.pDriverPath;
    size_t slash = driverPath.find_last_of("\\/");
    FileInstaller installer{state, slash == std::string::npos ? "" : driverPath.substr(0, slash),
                            DriverDirectory(state, d.environment), "", copyFlags};
    installer.targetFolder = installer.driverFolder + "\\" + std::to_string(d.version);
    EnsureFolder(installer.targetFolder);
    // The spooler keeps its own copies in the version folder and reports those paths.
    d.driverPath = installer.Install(driverPath);
    d.dataFile = installer.Install(text(given.pDataFile));
    d.configFile = installer.Install(text(given.pConfigFile));
    if (level == 3) {
        d.helpFile = installer.Install(text(given.pHelpFile));
        for (LPSTR dep = given.pDependentFiles; dep && *dep; dep += std::strlen(dep) + 1)
            d.dependentFiles.push_back(installer.Install(dep));
        d.monitorName = text(given.pMonitorName);
        d.defaultDataType = text(given.pDefaultDataType);
    }
    if (installer.error) return LastError::Fail(installer.error, FALSE);
    state.PrintSpooler().AddDriver(d);
    return TRUE;
}

extern "C" HANDLE AddPrinterA(LPSTR /*server*/, DWORD level, LPBYTE info)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (level != 2) return LastError::Fail(ERROR_INVALID_LEVEL, HANDLE{nullptr});
    auto* given = reinterpret_cast<PRINTER_INFO_2A*>(info);
    if (!given || !given->pPrinterName || !*given->pPrinterName || !given->pPortName || !given->pDriverName ||
        !given->pPrintProcessor)
        return LastError::Fail(ERROR_INVALID_PARAMETER, HANDLE{nullptr});
    if (!state.PrintSpooler().FindDriver(given->pDriverName, ""))
        return LastError::Fail(ERROR_UNKNOWN_PRINTER_DRIVER, HANDLE{nullptr});
    PrinterRecord p;
    p.name = given->pPrinterName;
    p.port = given->pPortName;
    p.driver = given->pDriverName;
    p.printProcessor = given->pPrintProcessor;
    if (given->pDatatype && *given->pDatatype) p.datatype = given->pDatatype;
    if (given->pShareName) p.shareName = given->pShareName;
    if (given->pComment) p.comment = given->pComment;
    if (given->pLocation) p.location = given->pLocation;
    p.attributes = given->Attributes | PRINTER_ATTRIBUTE_LOCAL;
    if (!state.PrintSpooler().AddPrinter(p)) return LastError::Fail(ERROR_PRINTER_ALREADY_EXISTS, HANDLE{nullptr});
    return state.Handles().Add(std::make_unique<PrinterObject>(p.FullName()));
}

extern "C" BOOL DeletePrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = state.Handles().Get<PrinterObject>(printer);
    if (!object) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!state.PrintSpooler().DeletePrinter(object->Name())) return LastError::Fail(ERROR_INVALID_PRINTER_NAME, FALSE);
    return TRUE;
}

extern "C" BOOL GetPrinterDriverDirectoryA(LPSTR /*server*/, LPSTR environment, DWORD level, LPBYTE buffer,
                                           DWORD size, LPDWORD needed)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (level != 1) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    std::string folder = DriverDirectory(state, EnvironmentOf(state, environment));
    EnsureFolder(folder);  // a real spooler's driver directory always exists
    if (needed) *needed = static_cast<DWORD>(folder.size() + 1);
    if (!buffer || size < folder.size() + 1) return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return TRUE;
}
