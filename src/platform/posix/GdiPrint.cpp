// gdi32: enhanced metafiles played on printer device contexts. Nothing is rendered; the job
// record keeps what the printer would have been given (see MachineDescription.md).
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>

#include "DeviceContextObject.h"
#include "HostFiles.h"
#include "LastError.h"
#include "MachineState.h"
#include "MemoryDcObject.h"
#include "MetafileObject.h"
#include "platform/win32api.h"

namespace {

constexpr DWORD kMinimumHeader = offsetof(ENHMETAHEADER, cbPixelFormat);  // the oldest header
const char kEmfDatatype[] = "NT EMF 1.008";

DeviceContextObject* ContextOf(MachineState& state, HDC dc)
{
    return state.Handles().Get<DeviceContextObject>(dc);
}

// The job the context is printing; null with ERROR_SPL_NO_STARTDOC (or 6 for a bad handle).
PrintJob* DocumentOf(MachineState& state, HDC dc, DeviceContextObject** context = nullptr)
{
    DeviceContextObject* c = ContextOf(state, dc);
    if (context) *context = c;
    if (!c) return LastError::Fail(ERROR_INVALID_HANDLE, static_cast<PrintJob*>(nullptr));
    PrintJob* job = c->JobId() ? state.PrintSpooler().Jobs().Find(c->JobId()) : nullptr;
    if (!job) return LastError::Fail(ERROR_SPL_NO_STARTDOC, static_cast<PrintJob*>(nullptr));
    return job;
}

}  // namespace

extern "C" HENHMETAFILE GetEnhMetaFileA(LPCSTR path)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!path || !*path) return LastError::Fail(ERROR_INVALID_PARAMETER, HENHMETAFILE{nullptr});
    PathMapper::Resolved r = state.Paths().Resolve(path);
    if (r.error || !r.exists) return LastError::Fail(PathMapper::MissingError(r), HENHMETAFILE{nullptr});
    if (r.isDirectory) return LastError::Fail(ERROR_ACCESS_DENIED, HENHMETAFILE{nullptr});
    std::string bytes;
    int hostErrno = 0;
    if (!HostFiles::ReadAll(r.host, bytes, hostErrno))
        return LastError::Fail(HostFiles::ErrorOf(hostErrno), HENHMETAFILE{nullptr});

    ENHMETAHEADER header{};
    std::memcpy(&header, bytes.data(), std::min(bytes.size(), sizeof header));
    bool valid = bytes.size() >= kMinimumHeader && header.iType == EMR_HEADER &&
                 header.dSignature == ENHMETA_SIGNATURE && header.nSize >= kMinimumHeader &&
                 header.nSize <= bytes.size();
    if (!valid) return LastError::Fail(ERROR_INVALID_DATA, HENHMETAFILE{nullptr});
    std::vector<uint8_t> record(bytes.begin(), bytes.begin() + header.nSize);
    auto object = std::make_unique<MetafileObject>(r.windowsPath, std::move(record), bytes.size());
    return static_cast<HENHMETAFILE>(state.Handles().Add(std::move(object)));
}

extern "C" UINT GetEnhMetaFileHeader(HENHMETAFILE metafile, UINT size, LPENHMETAHEADER header)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    MetafileObject* m = state.Handles().Get<MetafileObject>(metafile);
    if (!m) return LastError::Fail(ERROR_INVALID_HANDLE, UINT{0});
    UINT full = static_cast<UINT>(m->Header().size());
    if (!header) return full;
    UINT copied = std::min(size, full);
    std::memcpy(header, m->Header().data(), copied);
    return copied;
}

extern "C" BOOL DeleteEnhMetaFile(HENHMETAFILE metafile)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.Handles().Get<MetafileObject>(metafile)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    state.Handles().Close(metafile);
    return TRUE;
}

extern "C" HDC CreateDCA(LPCSTR /*driver*/, LPCSTR device, LPCSTR /*port*/, const DEVMODEA* devMode)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    // Only printers are simulated: a display context has no device name.
    if (!device || !*device) return LastError::Fail(ERROR_INVALID_PARAMETER, HDC{nullptr});
    const PrinterRecord* p = state.PrintSpooler().FindPrinter(device);
    if (!p) return LastError::Fail(ERROR_INVALID_PRINTER_NAME, HDC{nullptr});
    if (p->failCreateDC) return LastError::Fail(ERROR_NOT_ENOUGH_MEMORY, HDC{nullptr});
    std::vector<uint8_t> bytes;
    if (devMode && devMode->dmSize >= offsetof(DEVMODEA, dmFormName)) {
        // As given, private area included: that is what the driver would read.
        const auto* at = reinterpret_cast<const uint8_t*>(devMode);
        bytes.assign(at, at + devMode->dmSize + devMode->dmDriverExtra);
    } else {
        bytes = state.PrintSpooler().DefaultDevMode(*p);
    }
    auto object = std::make_unique<DeviceContextObject>(*p, std::move(bytes));
    return static_cast<HDC>(state.Handles().Add(std::move(object)));
}

extern "C" int StartDocA(HDC dc, const DOCINFOA* info)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DeviceContextObject* c = ContextOf(state, dc);
    if (!c) return LastError::Fail(ERROR_INVALID_HANDLE, SP_ERROR);
    if (!info) return LastError::Fail(ERROR_INVALID_PARAMETER, SP_ERROR);
    if (c->JobId()) return LastError::Fail(ERROR_INVALID_PRINTER_STATE, SP_ERROR);
    const PrinterRecord* p = state.PrintSpooler().FindPrinter(c->Printer());
    if (!p) return LastError::Fail(ERROR_INVALID_PRINTER_NAME, SP_ERROR);
    if (p->failStartDoc) return LastError::Fail(ERROR_ACCESS_DENIED, SP_ERROR);

    // The name and output are always read; the data type only when cbSize reaches it.
    JobQueue::Request request;
    request.document = info->lpszDocName ? info->lpszDocName : "";
    request.outputFile = info->lpszOutput ? info->lpszOutput : "";
    const char* datatype = info->cbSize > static_cast<int>(offsetof(DOCINFOA, lpszDatatype)) ? info->lpszDatatype : nullptr;
    request.datatype = datatype && *datatype ? datatype : kEmfDatatype;
    request.devMode = c->DevMode();
    request.raw = false;
    DWORD error = 0;
    PrintJob* job = state.PrintSpooler().Jobs().Start(state, *p, request, error);
    if (!job) return LastError::Fail(error, SP_ERROR);
    c->SetJobId(job->id);
    return static_cast<int>(job->id);
}

extern "C" int StartPage(HDC dc)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrintJob* job = DocumentOf(state, dc);
    if (!job) return SP_ERROR;
    job->record.Line("StartPage", "");
    return 1;
}

extern "C" int EndPage(HDC dc)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrintJob* job = DocumentOf(state, dc);
    if (!job) return SP_ERROR;
    ++job->pages;
    job->record.Line("EndPage", "");
    return 1;
}

extern "C" int EndDoc(HDC dc)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DeviceContextObject* c = nullptr;
    PrintJob* job = DocumentOf(state, dc, &c);
    if (!job) return SP_ERROR;
    c->SetJobId(0);
    state.PrintSpooler().Jobs().EndDocument(job->id);
    return 1;
}

extern "C" int AbortDoc(HDC dc)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DeviceContextObject* c = nullptr;
    PrintJob* job = DocumentOf(state, dc, &c);
    if (!job) return SP_ERROR;
    c->SetJobId(0);
    state.PrintSpooler().Jobs().Abort(job->id);
    return 1;
}

extern "C" int GetDeviceCaps(HDC dc, int index)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DeviceContextObject* c = ContextOf(state, dc);
    if (!c) return LastError::Fail(ERROR_INVALID_HANDLE, 0);
    return c->Geometry().Caps(index);
}

extern "C" BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE metafile, const RECT* rect)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DeviceContextObject* c = ContextOf(state, dc);
    MetafileObject* m = state.Handles().Get<MetafileObject>(metafile);
    if (!c || !m) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!rect) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    // Outside a document the playback reaches no printer and leaves no trace.
    PrintJob* job = c->JobId() ? state.PrintSpooler().Jobs().Find(c->JobId()) : nullptr;
    if (job) {
        std::string value = std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
                            std::to_string(rect->right) + "," + std::to_string(rect->bottom) + "," + m->Path();
        job->record.Line("Play", value);
        job->size += static_cast<uint32_t>(std::min<uint64_t>(m->FileSize(), UINT32_MAX - job->size));
    }
    return TRUE;
}

extern "C" BOOL DeleteDC(HDC dc)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (state.Handles().Get<MemoryDcObject>(dc)) {
        state.Handles().Close(dc);
        return TRUE;
    }
    DeviceContextObject* c = ContextOf(state, dc);
    if (!c) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    // A document still open is abandoned with its context.
    if (c->JobId()) state.PrintSpooler().Jobs().Abort(c->JobId());
    state.Handles().Close(dc);
    return TRUE;
}
