#include "testprint/CEmfPrintBase.h"

#include <cstddef>
#include <new>

#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

namespace {

const char kLandscape[] = "Landscape";
const char kPortrait[] = "Portrait";

// The orientation field must lie inside the public part that the driver returned.
constexpr size_t kOrientationEnd = offsetof(DEVMODEA, dmOrientation) + sizeof(SHORT);

std::unique_ptr<BYTE[]> Allocate(size_t size)
{
    return std::unique_ptr<BYTE[]>(new (std::nothrow) BYTE[size]());
}

}  // namespace

CEmfPrintBase::~CEmfPrintBase()
{
    ReleasePage();
}

void CEmfPrintBase::ReleasePage()
{
    metaHeader.reset();
    if (metafile) {
        DeleteEnhMetaFile(metafile);
        metafile = nullptr;
    }
    if (dc) {
        DeleteDC(dc);
        dc = nullptr;
    }
}

void CEmfPrintBase::OpenPrinterData()
{
    if (printer) {
        ClosePrinter(printer);
        printer = nullptr;
    }
    printerTable.reset();
    printerTableCount = 0;
    devMode.reset();
    devModeSize = 0;

    std::string name = printerName;
    if (!OpenPrinterA(name.data(), &printer, nullptr)) {
        printer = nullptr;
        throw CmyException(IDS_ERR_PRINTER_NOT_OPENED);
    }

    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    // Without the printer's information there is no device mode to carry the print.
    if (needed == 0) throw CmyException(IDS_ERR_PRINT_FAILED);
    std::unique_ptr<BYTE[]> info = Allocate(needed);
    if (!info) throw CmyException(IDS_ERR_PRINT_FAILED);
    if (!GetPrinterA(printer, 2, info.get(), needed, &needed)) throw CmyException(IDS_ERR_PRINT_FAILED);
    printerTable = std::move(info);
    printerTableCount = 1;

    LPSTR device = PrinterInfo()->pPrinterName;
    LONG size = DocumentPropertiesA(nullptr, printer, device, nullptr, nullptr, 0);
    if (size <= 0) throw CmyException(IDS_ERR_PRINT_FAILED);
    std::unique_ptr<BYTE[]> mode = Allocate(static_cast<size_t>(size));
    if (!mode) throw CmyException(IDS_ERR_PRINT_FAILED);
    if (DocumentPropertiesA(nullptr, printer, device, reinterpret_cast<DEVMODEA*>(mode.get()), nullptr,
                            DM_OUT_BUFFER) < 0)
        throw CmyException(IDS_ERR_PRINT_FAILED);
    devMode = std::move(mode);
    devModeSize = static_cast<DWORD>(size);
}

const DEVMODEA* CEmfPrintBase::GetDeviceMode() const
{
    return reinterpret_cast<const DEVMODEA*>(devMode.get());
}

const PRINTER_INFO_2A* CEmfPrintBase::PrinterInfo() const
{
    return printerTableCount ? reinterpret_cast<const PRINTER_INFO_2A*>(printerTable.get()) : nullptr;
}

std::ptrdiff_t CEmfPrintBase::PrivateBase() const
{
    return devMode ? GetDeviceMode()->dmSize : -1;
}

void CEmfPrintBase::OnDocumentStarted(const std::string&, int, int) {}

void CEmfPrintBase::PrintPage(const std::string& path, const std::string& ccmVersion, int kind,
                              const BYTE* tTable, const BYTE* vTable, DWORD tableLength)
{
    ReleasePage();

    metafile = GetEnhMetaFileA(path.c_str());
    if (!metafile) throw CmyException(IDS_ERR_FILE_ACCESS);

    UINT headerSize = GetEnhMetaFileHeader(metafile, 0, nullptr);
    if (headerSize == 0) throw CmyException(IDS_ERR_PRINT_FAILED);
    metaHeader = Allocate(headerSize < sizeof(ENHMETAHEADER) ? sizeof(ENHMETAHEADER) : headerSize);
    if (!metaHeader) throw CmyException(IDS_ERR_PRINT_FAILED);
    UINT headerRead = GetEnhMetaFileHeader(metafile, headerSize, reinterpret_cast<ENHMETAHEADER*>(metaHeader.get()));

    const PRINTER_INFO_2A* info = PrinterInfo();
    if (headerRead == 0 || !info || !devMode) throw CmyException(IDS_ERR_PRINT_FAILED);

    // Nothing is written unless every field of the print lies inside the device mode.
    PrivateFields plan;
    PlanPrivateFields(kind, tTable, vTable, tableLength, plan);
    if (!FitsDeviceMode(plan)) throw CmyException(IDS_ERR_PRINT_FAILED);

    SetOrientation(path, ccmVersion);
    WritePrivateFields(plan);

    // Every step from here on that the spooler refuses means no page reaches the printer: it is
    // reported, never passed over, so that no caller announces a page that was not sent.
    dc = CreateDCA(info->pDriverName, info->pPrinterName, info->pPortName, GetDeviceMode());
    if (!dc) throw CmyException(IDS_ERR_PRINT_FAILED);

    DOCINFOA doc{};
    doc.cbSize = DocInfoSize();
    doc.lpszDocName = path.c_str();
    int jobId = StartDocA(dc, &doc);
    if (jobId <= 0) throw CmyException(IDS_ERR_PRINT_FAILED);

    OnDocumentStarted(path, kind, jobId);

    RECT area = {0, 0, GetDeviceCaps(dc, PHYSICALWIDTH) - GetDeviceCaps(dc, PHYSICALOFFSETX),
                 GetDeviceCaps(dc, PHYSICALHEIGHT) - GetDeviceCaps(dc, PHYSICALOFFSETY)};
    if (UsesPageBracket()) StartPage(dc);
    const BOOL played = PlayEnhMetaFile(dc, metafile, &area);
    if (UsesPageBracket()) EndPage(dc);
    if (!played) {
        // A document without its page is taken back rather than printed blank.
        AbortDoc(dc);
        throw CmyException(IDS_ERR_PRINT_FAILED);
    }
    if (EndDoc(dc) <= 0) throw CmyException(IDS_ERR_PRINT_FAILED);
}

void CEmfPrintBase::SetOrientation(const std::string& path, const std::string& ccmVersion)
{
    CIniUtility utility;
    std::string value = utility.GetVersionValue(ccmVersion, GetFileName(path));
    const auto* header = reinterpret_cast<const ENHMETAHEADER*>(metaHeader.get());
    SHORT orientation;
    if (value == kLandscape)
        orientation = DMORIENT_LANDSCAPE;
    else if (value == kPortrait)
        orientation = DMORIENT_PORTRAIT;
    else
        orientation = header->rclFrame.bottom < header->rclFrame.right ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    // Only the field itself: the driver's field-selection bits stay as it returned them.
    reinterpret_cast<DEVMODEA*>(devMode.get())->dmOrientation = orientation;
}

bool CEmfPrintBase::FitsDeviceMode(const PrivateFields& plan) const
{
    if (devModeSize < kOrientationEnd) return false;
    std::ptrdiff_t base = PrivateBase();
    // The private part starts after the public one and inside the buffer.
    if (base < static_cast<std::ptrdiff_t>(kOrientationEnd) || base > static_cast<std::ptrdiff_t>(devModeSize))
        return false;
    const size_t room = devModeSize - static_cast<size_t>(base);
    for (const auto& field : plan.fields) {
        if (size_t{field.offset} + field.width > room) return false;
    }
    if (!plan.tables.empty()) {
        if (plan.tableLength > maxTableLength) return false;
        for (const auto& table : plan.tables) {
            if (plan.tableLength && !table.bytes) return false;
            if (size_t{table.offset} + plan.tableLength > room) return false;
        }
    }
    return true;
}

void CEmfPrintBase::WritePrivateFields(const PrivateFields& plan)
{
    BYTE* base = devMode.get() + PrivateBase();
    for (const auto& field : plan.fields) {
        for (DWORD i = 0; i < field.width; ++i) base[field.offset + i] = static_cast<BYTE>(field.value >> (8 * i));
    }
    for (const auto& table : plan.tables) {
        for (DWORD i = 0; i < plan.tableLength; ++i) base[table.offset + i] = table.bytes[i];
    }
}
