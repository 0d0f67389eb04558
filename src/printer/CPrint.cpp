#include "printer/CPrint.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "launch/CLibraryLoader.h"
#include "launch/CmyException.h"
#include "printer/CColorAppearanceDownload.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "storage/CIniUtility.h"

namespace {

// Names are copied into a buffer of this size; longer dependent-file names are skipped.
constexpr size_t kNameBufferSize = MAX_PATH;

const char kCapabilitySection[] = "Capability";

// The raw job goes to the spooler in pieces of this size.
constexpr DWORD kWriteChunk = 4096;

CPrint::PrintMessageHandler& PrintMessage() {
    static CPrint::PrintMessageHandler handler;
    return handler;
}

// Closes a printer handle on every path.
class PrinterHandle {
public:
    explicit PrinterHandle(const std::string& name) {
        std::string writable = name;
        if (!OpenPrinterA(writable.data(), &m_handle, nullptr)) m_handle = nullptr;
    }
    ~PrinterHandle() {
        if (m_handle) ClosePrinter(m_handle);
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

// The level-3 driver record of an open printer: size query, then a zero-filled buffer of that
// size. The buffer is never smaller than the record itself, so reading its fields is safe even
// when the spooler reports nothing. Returns the second call's result.
BOOL ReadDriverRecord(HANDLE printer, std::unique_ptr<BYTE[]>& buffer, DWORD& size) {
    DWORD needed = 0;
    GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needed);
    size = needed < sizeof(DRIVER_INFO_3A) ? static_cast<DWORD>(sizeof(DRIVER_INFO_3A)) : needed;
    buffer.reset(new BYTE[size]());
    if (needed == 0) return FALSE;
    return GetPrinterDriverA(printer, nullptr, 3, buffer.get(), needed, &needed);
}

std::string Text(const char* s) { return s ? std::string(s) : std::string(); }

// Everything up to and including the last backslash; empty when there is none.
std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool EndsWithCap(const std::string& name) {
    return name.size() >= 4 && EqualNoCase(name.substr(name.size() - 4), ".CAP");
}

// The first dependent file ending in ".CAP". The list lies inside the record's buffer, so the
// walk never reads past its end even when the list lacks its closing empty name.
std::string FirstCapabilityName(const DRIVER_INFO_3A& record, const BYTE* buffer, DWORD size) {
    const char* cursor = record.pDependentFiles;
    if (!cursor) return std::string();
    const char* begin = reinterpret_cast<const char*>(buffer);
    const char* end = begin + size;
    auto address = [](const char* p) { return reinterpret_cast<uintptr_t>(p); };
    bool inside = address(cursor) >= address(begin) && address(cursor) < address(end);
    while (!inside || cursor < end) {
        size_t limit = inside ? static_cast<size_t>(end - cursor) : static_cast<size_t>(-1);
        size_t length = strnlen(cursor, limit);
        if (length == 0) break;
        if (length < kNameBufferSize) {
            std::string name(cursor, length);
            if (EndsWithCap(name)) return name;
        }
        if (inside && length == limit) break;  // unterminated name at the end of the buffer
        cursor += length + 1;
    }
    return std::string();
}

// The model section of driverName in a capability file, read with CIniAcc.
std::string ModelSection(const std::string& capabilityFile, const std::string& driverName) {
    if (capabilityFile.empty() || driverName.empty()) return std::string();
    return CIniAcc(capabilityFile).GetString(kCapabilitySection, driverName);
}

std::string ModelValue(const std::string& capabilityFile, const std::string& driverName,
                       const std::string& key) {
    std::string section = ModelSection(capabilityFile, driverName);
    if (section.empty()) return std::string();
    return CIniAcc(capabilityFile).GetString(section, key);
}

}  // namespace

CPrint::~CPrint() {
    if (printer) {
        ClosePrinter(printer);
        printer = nullptr;
    }
}

int CPrint::EnumeratePrinters() {
    printerTable.reset();
    printerTableCount = 0;

    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0,
                            &needed, &returned);
    if (needed == 0) return 0;  // no printers, or nothing the spooler could report

    printerTable.reset(new BYTE[needed]());
    returned = 0;
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2,
                       printerTable.get(), needed, &needed, &returned)) {
        printerTable.reset();
        return 0;
    }
    printerTableCount = returned;
    return 1;
}

void CPrint::GetPrinterList(CmyStringArray& names) {
    printerCount = 0;
    if (!EnumeratePrinters()) return;

    const auto* records = reinterpret_cast<const PRINTER_INFO_2A*>(printerTable.get());
    for (DWORD i = 0; i < printerTableCount; ++i) {
        const PRINTER_INFO_2A& record = records[i];
        std::string name = Text(record.pPrinterName);
        bool network = record.pServerName != nullptr ||
                       (record.pPortName != nullptr && record.pPortName[0] == '\\');
        if (network) {
            if (!IsNetworkAllowed(name)) continue;
            names.Add(name);
        } else {
            names.Add(GetFileName(name));
        }
        ++printerCount;
    }
}

std::string CPrint::GetDriverName(const std::string& queue) const {
    if (!printerTable) return std::string();
    const auto* records = reinterpret_cast<const PRINTER_INFO_2A*>(printerTable.get());
    for (DWORD i = 0; i < printerTableCount; ++i) {
        if (records[i].pPrinterName && queue == records[i].pPrinterName)
            return Text(records[i].pDriverName);
    }
    return std::string();
}

std::string CPrint::FindCapabilityFile(const std::string& queue) {
    SetPrinterName(queue);
    PrinterHandle handle(queue);
    if (!handle.Get()) return std::string();

    std::unique_ptr<BYTE[]> buffer;
    DWORD size = 0;
    if (!ReadDriverRecord(handle.Get(), buffer, size)) return std::string();
    const auto& record = *reinterpret_cast<const DRIVER_INFO_3A*>(buffer.get());

    std::string name = FirstCapabilityName(record, buffer.get(), size);
    if (name.empty()) return std::string();

    std::string driverFolder = FolderOf(Text(record.pDriverPath));
    if (name.find('\\') == std::string::npos) return driverFolder + name;
    if (name.find(':') == std::string::npos) return driverFolder + GetFileName(name);
    return name;
}

std::string CPrint::GetModelValue(const std::string& queue, const std::string& key) {
    return ModelValue(FindCapabilityFile(queue), GetDriverName(queue), key);
}

std::string CPrint::GetCCMInfoFile(const std::string& queue) {
    std::string capabilityFile = FindCapabilityFile(queue);
    if (capabilityFile.empty()) return std::string();
    return FolderOf(capabilityFile) +
           ModelValue(capabilityFile, GetDriverName(queue), "CCMInfoFile");
}

std::string CPrint::GetCCMVersion(const std::string& queue) {
    return GetModelValue(queue, "CCMVersion");
}

int CPrint::IsSupported(const std::string& queue) {
    std::string capabilityFile = FindCapabilityFile(queue);
    if (capabilityFile.empty()) return 0;

    CIniUtility utility;
    std::string prefix = utility.Get("Manufacture", "FileHeader");
    if (!prefix.empty()) {
        std::string fileName = GetFileName(capabilityFile);
        if (!EqualNoCase(fileName.substr(0, 2), prefix.substr(0, 2))) return 0;
    }

    std::string driverName = GetDriverName(queue);
    CmyStringArray keys = CIniAcc(capabilityFile).GetKeys(kCapabilitySection);
    for (const std::string& key : keys) {
        if (key != driverName) continue;
        // The capability file is already known: no second trip through the spooler.
        std::string version = ModelValue(capabilityFile, driverName, "CCMVersion");
        if (HasLoadableModules(utility, version)) return 1;
    }
    return 0;
}

bool CPrint::HasLoadableModules(const CIniUtility& utility, const std::string& version) {
    // The modules are loaded from our own folder only: a name with a folder, drive or ".." in it
    // (a network share, another program's folder) makes the model one we do not support.
    const std::string module = utility.GetVersionValue(version, "Module");
    const std::string iccModule = utility.GetVersionValue(version, "IccModule");
    return CLibraryLoader::IsBareFileName(module) && (iccModule.empty() || CLibraryLoader::IsBareFileName(iccModule));
}

int CPrint::IsNetworkAllowed(const std::string& queue) {
    std::string capabilityFile = FindCapabilityFile(queue);
    std::string driverName = GetDriverName(queue);
    std::string section = ModelSection(capabilityFile, driverName);
    if (section.empty()) return 0;
    std::string localOnly = CIniAcc(capabilityFile).GetString(section, "LocalPrinterOnly");
    return (localOnly.empty() || localOnly == "0") ? 1 : 0;
}

BOOL CPrint::LoadDriverInfo(const std::string& queue) {
    driverInfo.reset();
    PrinterHandle handle(queue);
    if (!handle.Get()) return FALSE;
    DWORD size = 0;
    return ReadDriverRecord(handle.Get(), driverInfo, size);
}

DWORD CPrint::GetDriverVersion() const {
    if (!driverInfo) return 0;
    return reinterpret_cast<const DRIVER_INFO_3A*>(driverInfo.get())->cVersion;
}

std::string CPrint::GetDriverFolder() const {
    if (!driverInfo) return std::string();
    return FolderOf(Text(reinterpret_cast<const DRIVER_INFO_3A*>(driverInfo.get())->pDriverPath));
}

int CPrint::GetDriverFolders(CmyStringArray& folders) {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrinterDriversA(nullptr, nullptr, 2, nullptr, 0, &needed, &returned);
    if (needed == 0) return 0;

    std::unique_ptr<BYTE[]> buffer(new BYTE[needed]());
    returned = 0;
    if (!EnumPrinterDriversA(nullptr, nullptr, 2, buffer.get(), needed, &needed, &returned) ||
        returned == 0)
        return 0;

    const auto* records = reinterpret_cast<const DRIVER_INFO_2A*>(buffer.get());
    bool seen0 = false;
    bool seen2 = false;
    for (DWORD i = 0; i < returned && !(seen0 && seen2); ++i) {
        DWORD version = records[i].cVersion;
        if (version != 0 && version != 2) continue;
        folders.Add(FolderOf(Text(records[i].pDriverPath)));
        (version == 0 ? seen0 : seen2) = true;
    }
    return 1;
}

std::string CPrint::GetFileName(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

CPrint::PrintMessageHandler CPrint::SetPrintMessageHandler(PrintMessageHandler handler) {
    PrintMessageHandler previous = std::move(PrintMessage());
    PrintMessage() = std::move(handler);
    return previous;
}

void CPrint::ShowPrintMessage() {
    if (PrintMessage()) PrintMessage()();
}

void CPrint::SendRawJob(const std::string& version, const std::string& filePath,
                        const BYTE* tTable, const BYTE* vTable, DWORD tableLength) {
    // A download the printer would misread is refused before anything is shown or started.
    CColorAppearanceDownload download;
    const bool withTables = tTable && vTable;
    if (withTables) BuildDownload(download, version, tTable, vTable, tableLength);

    // How the dialog was closed does not matter: the job follows in every case.
    ShowPrintMessage();

    std::string documentName = GetFileName(filePath);
    char datatype[] = "RAW";
    DOC_INFO_1A document = {documentName.data(), nullptr, datatype};
    try {
        std::string queue = printerName;
        if (!OpenPrinterA(queue.data(), &printer, nullptr)) {
            printer = nullptr;
            throw CmyException(IDS_ERR_PRINTER_NOT_OPENED);
        }
        if (StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&document)) == 0)
            throw CmyException(IDS_ERR_PRINT_FAILED);
        if (withTables) WriteDownload(download);

        CFileAcc file(filePath);
        file.OpenRead();
        DWORD length = file.GetLength();
        std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[length ? length : 1]());
        if (!buffer) throw CmyException(IDS_ERR_PRINT_FAILED);
        file.Read(buffer.get(), length);
        file.Close();
        WriteBytes(buffer.get(), length);

        // A job the spooler did not take is not printed: report it like a failed write.
        if (!EndDocPrinter(printer)) throw CmyException(IDS_ERR_PRINT_FAILED);
        ClosePrinter(printer);
        printer = nullptr;
    } catch (...) {
        if (printer) {
            AbortPrinter(printer);
            ClosePrinter(printer);
            printer = nullptr;
        }
        throw;
    }
}

void CPrint::BuildDownload(CColorAppearanceDownload& download, const std::string& version, const BYTE* tTable,
                           const BYTE* vTable, DWORD tableLength) {
    // Read afresh for every download: a value never carries over to the next job.
    const std::string sizeText = CIniUtility().GetVersionValue(version, "DataSize");
    if (!download.Build(version, sizeText, tTable, vTable, tableLength)) throw CmyException(IDS_ERR_PRINT_FAILED);
}

void CPrint::WriteDownload(const CColorAppearanceDownload& download) {
    for (const std::string& piece : download.Pieces()) WriteBytes(piece.data(), static_cast<DWORD>(piece.size()));
}

void CPrint::WriteColorAppearance(const std::string& version, const BYTE* tTable,
                                  const BYTE* vTable, DWORD tableLength) {
    CColorAppearanceDownload download;
    BuildDownload(download, version, tTable, vTable, tableLength);
    WriteDownload(download);
}

BOOL CPrint::WriteBytes(const void* data, DWORD length) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    DWORD sent = 0;
    BOOL result = TRUE;
    do {
        DWORD piece = std::min(length - sent, kWriteChunk);
        DWORD written = 0;
        result = WritePrinter(printer, const_cast<BYTE*>(bytes + sent), piece, &written);
        if (!result) throw CmyException(IDS_ERR_PRINT_FAILED);
        // A spooler that takes less than it was given gets the rest: no byte is dropped.
        DWORD offered = piece;
        while (written < offered) {
            if (written == 0) throw CmyException(IDS_ERR_PRINT_FAILED);
            sent += written;
            offered -= written;
            written = 0;
            result = WritePrinter(printer, const_cast<BYTE*>(bytes + sent), offered, &written);
            if (!result) throw CmyException(IDS_ERR_PRINT_FAILED);
        }
        sent += offered;
    } while (sent < length);
    return result;
}
