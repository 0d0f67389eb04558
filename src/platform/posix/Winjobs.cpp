// winspool: raw print jobs and the job queue of the simulated spooler.
#include <cstring>
#include <functional>

#include "HostFiles.h"
#include "LastError.h"
#include "MachineState.h"
#include "PrinterObject.h"
#include "SpoolBuffer.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

constexpr DWORD kInvalidDatatype = 1804;  // ERROR_INVALID_DATATYPE

DWORD StatusOf(const PrintJob& job)
{
    DWORD status = job.spooling ? JOB_STATUS_SPOOLING : JOB_STATUS_PRINTING;
    if (job.paused) status |= JOB_STATUS_PAUSED;
    if (job.deleting) status |= JOB_STATUS_DELETING;
    return status;
}

void FillJob(const JobQueue& queue, const PrintJob& job, DWORD level, SpoolBuffer& sb, uint8_t* at)
{
    if (level == 1) {
        JOB_INFO_1A info{};
        info.JobId = job.id;
        info.pPrinterName = sb.String(job.printer);
        info.pMachineName = sb.String(job.machine);
        info.pUserName = sb.String(job.user);
        info.pDocument = sb.String(job.document);
        info.pDatatype = sb.String(job.datatype);
        info.Status = StatusOf(job);
        info.Priority = 1;
        info.Position = queue.PositionOf(job);
        info.TotalPages = job.pages;
        info.Submitted = job.submitted;
        if (at) std::memcpy(at, &info, sizeof info);
        return;
    }
    JOB_INFO_2A info{};
    info.JobId = job.id;
    info.pPrinterName = sb.String(job.printer);
    info.pMachineName = sb.String(job.machine);
    info.pUserName = sb.String(job.user);
    info.pDocument = sb.String(job.document);
    info.pNotifyName = sb.String(job.user);
    info.pDatatype = sb.String(job.datatype);
    info.pPrintProcessor = sb.String(job.printProcessor);
    info.pParameters = sb.String("");
    info.pDriverName = sb.String(job.driver);
    if (!job.devMode.empty())
        info.pDevMode = static_cast<LPDEVMODEA>(sb.Block(job.devMode.data(), job.devMode.size(), 8));
    info.Status = StatusOf(job);
    info.Priority = 1;
    info.Position = queue.PositionOf(job);
    info.TotalPages = job.pages;
    info.Size = job.size;
    info.Submitted = job.submitted;
    if (at) std::memcpy(at, &info, sizeof info);
}

size_t JobRecordSize(DWORD level)
{
    return level == 1 ? sizeof(JOB_INFO_1A) : level == 2 ? sizeof(JOB_INFO_2A) : 0;
}

bool KnownDatatype(const std::string& datatype)
{
    return TextUtil::EqualNoCase(datatype, "RAW") || TextUtil::EqualNoCase(datatype, "RAW [FF appended]") ||
           TextUtil::EqualNoCase(datatype, "RAW [FF auto]") || TextUtil::EqualNoCase(datatype, "TEXT") ||
           TextUtil::EqualNoCase(datatype.substr(0, 10), "NT EMF 1.0");
}

// The job the handle is writing; null with ERROR_SPL_NO_STARTDOC (or 6 for a bad handle).
PrintJob* OpenJob(MachineState& state, HANDLE printer, PrinterObject** object = nullptr)
{
    PrinterObject* o = state.Handles().Get<PrinterObject>(printer);
    if (object) *object = o;
    if (!o) return LastError::Fail(ERROR_INVALID_HANDLE, static_cast<PrintJob*>(nullptr));
    PrintJob* job = o->JobId() ? state.PrintSpooler().Jobs().Find(o->JobId()) : nullptr;
    if (!job) return LastError::Fail(ERROR_SPL_NO_STARTDOC, static_cast<PrintJob*>(nullptr));
    return job;
}

// A job of the handle's printer, for queries and control.
PrintJob* QueuedJob(MachineState& state, HANDLE printer, DWORD jobId, DWORD& error)
{
    PrinterObject* o = state.Handles().Get<PrinterObject>(printer);
    if (!o) {
        error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    PrintJob* job = state.PrintSpooler().Jobs().Find(jobId);
    if (!job || !TextUtil::EqualNoCase(job->printer, o->Name())) {
        error = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    return job;
}

// The description's record of the handle's printer; null for a bad handle.
const PrinterRecord* PrinterOf(MachineState& state, HANDLE printer)
{
    PrinterObject* o = state.Handles().Get<PrinterObject>(printer);
    return o ? state.PrintSpooler().FindPrinter(o->Name()) : nullptr;
}

}  // namespace

extern "C" DWORD StartDocPrinterA(HANDLE printer, DWORD level, LPBYTE docInfo)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = state.Handles().Get<PrinterObject>(printer);
    if (!object) return LastError::Fail(ERROR_INVALID_HANDLE, DWORD{0});
    if (level != 1) return LastError::Fail(ERROR_INVALID_LEVEL, DWORD{0});
    if (!docInfo) return LastError::Fail(ERROR_INVALID_PARAMETER, DWORD{0});
    if (object->JobId()) return LastError::Fail(ERROR_INVALID_PRINTER_STATE, DWORD{0});
    const PrinterRecord* p = state.PrintSpooler().FindPrinter(object->Name());
    if (!p) return LastError::Fail(ERROR_INVALID_PRINTER_NAME, DWORD{0});

    DOC_INFO_1A doc{};
    std::memcpy(&doc, docInfo, sizeof doc);
    JobQueue::Request request;
    request.document = doc.pDocName ? doc.pDocName : "";
    request.outputFile = doc.pOutputFile ? doc.pOutputFile : "";
    request.datatype = doc.pDatatype && *doc.pDatatype ? doc.pDatatype : p->datatype;
    if (!KnownDatatype(request.datatype)) return LastError::Fail(kInvalidDatatype, DWORD{0});
    request.devMode = state.PrintSpooler().DefaultDevMode(*p);
    request.raw = true;
    DWORD error = 0;
    PrintJob* job = state.PrintSpooler().Jobs().Start(state, *p, request, error);
    if (!job) return LastError::Fail(error, DWORD{0});
    object->SetJobId(job->id);
    return job->id;
}

extern "C" BOOL StartPagePrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrintJob* job = OpenJob(state, printer);
    if (!job) return FALSE;
    job->record.Line("StartPage", "");
    return TRUE;
}

extern "C" BOOL EndPagePrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrintJob* job = OpenJob(state, printer);
    if (!job) return FALSE;
    ++job->pages;
    job->record.Line("EndPage", "");
    return TRUE;
}

extern "C" BOOL WritePrinter(HANDLE printer, LPVOID data, DWORD size, LPDWORD written)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (written) *written = 0;
    PrintJob* job = OpenJob(state, printer);
    if (!job) return FALSE;
    if (job->deleting) return LastError::Fail(ERROR_PRINT_CANCELLED, FALSE);
    if (!data && size) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    // A printer with the partial-write fault takes the first half of a block (rounded up) and
    // reports that many bytes written; the caller must send the rest.
    const PrinterRecord* p = PrinterOf(state, printer);
    if (p && p->partialWrite && size > 1) size = (size + 1) / 2;
    if (!job->record.Block("Write", data, size)) return LastError::Fail(HostFiles::ErrorOf(job->record.LastErrno()), FALSE);
    job->size += size;
    if (!job->deliverHost.empty()) job->bytes.append(static_cast<const char*>(data), size);
    if (written) *written = size;
    return TRUE;
}

extern "C" BOOL EndDocPrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = nullptr;
    PrintJob* job = OpenJob(state, printer, &object);
    if (!job) return FALSE;
    // The fault leaves the document open, as a spooler that could not take it would.
    const PrinterRecord* p = PrinterOf(state, printer);
    if (p && p->failEndDocPrinter) return LastError::Fail(ERROR_NOT_ENOUGH_MEMORY, FALSE);
    object->SetJobId(0);
    state.PrintSpooler().Jobs().EndDocument(job->id);
    return TRUE;
}

extern "C" BOOL AbortPrinter(HANDLE printer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = nullptr;
    PrintJob* job = OpenJob(state, printer, &object);
    if (!job) return FALSE;
    object->SetJobId(0);
    state.PrintSpooler().Jobs().Abort(job->id);
    return TRUE;
}

extern "C" BOOL GetJobA(HANDLE printer, DWORD jobId, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DWORD error = 0;
    PrintJob* job = QueuedJob(state, printer, jobId, error);
    if (!job && error == ERROR_INVALID_HANDLE) return LastError::Fail(error, FALSE);
    if (!JobRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    if (!job) return LastError::Fail(error, FALSE);
    JobQueue& queue = state.PrintSpooler().Jobs();
    BOOL ok = SpoolBuffer::Pack(buffer, size, needed, JobRecordSize(level),
                   [&](SpoolBuffer& sb, uint8_t* at) { FillJob(queue, *job, level, sb, at); });
    // Only a query that hands the job over counts towards the printer finishing it.
    if (ok) queue.Reported(jobId);
    return ok;
}

extern "C" BOOL EnumJobsA(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PrinterObject* object = state.Handles().Get<PrinterObject>(printer);
    if (!object) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!needed || !returned) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    *returned = 0;
    if (!JobRecordSize(level)) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    JobQueue& queue = state.PrintSpooler().Jobs();
    std::vector<PrintJob*> all = queue.OfPrinter(object->Name());
    std::vector<PrintJob*> chosen;
    for (size_t i = firstJob; i < all.size() && chosen.size() < jobCount; ++i) chosen.push_back(all[i]);
    size_t recordSize = JobRecordSize(level);
    BOOL ok = SpoolBuffer::Pack(buffer, size, needed, recordSize * chosen.size(), [&](SpoolBuffer& sb, uint8_t* base) {
        for (size_t i = 0; i < chosen.size(); ++i)
            FillJob(queue, *chosen[i], level, sb, base ? base + i * recordSize : nullptr);
    });
    if (!ok) return FALSE;
    *returned = static_cast<DWORD>(chosen.size());
    std::vector<uint32_t> ids;
    for (PrintJob* job : chosen) ids.push_back(job->id);
    for (uint32_t id : ids) queue.Reported(id);
    return TRUE;
}

extern "C" BOOL SetJobA(HANDLE printer, DWORD jobId, DWORD level, LPBYTE /*jobInfo*/, DWORD command)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    DWORD error = 0;
    PrintJob* job = QueuedJob(state, printer, jobId, error);
    if (!job && error == ERROR_INVALID_HANDLE) return LastError::Fail(error, FALSE);
    // Changing the job's information (levels 1 to 4) is not simulated; commands are.
    if (level != 0) return LastError::Fail(ERROR_INVALID_LEVEL, FALSE);
    if (!job) return LastError::Fail(error, FALSE);
    JobQueue& queue = state.PrintSpooler().Jobs();
    switch (command) {
    case JOB_CONTROL_PAUSE: queue.Pause(jobId); return TRUE;
    case JOB_CONTROL_RESUME: queue.Resume(jobId); return TRUE;
    case JOB_CONTROL_CANCEL:
    case JOB_CONTROL_DELETE: queue.Delete(jobId); return TRUE;
    case JOB_CONTROL_RESTART: queue.Restart(jobId); return TRUE;
    case JOB_CONTROL_SENT_TO_PRINTER: job->record.Line("Control", "sent"); return TRUE;
    case JOB_CONTROL_LAST_PAGE_EJECTED:
        // The printer reports the job done: it leaves the queue as printed.
        if (!queue.Finish(jobId)) return LastError::Fail(ERROR_INVALID_PRINTER_STATE, FALSE);
        return TRUE;
    default: return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
}
