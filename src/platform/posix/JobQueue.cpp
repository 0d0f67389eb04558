#include "JobQueue.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "HostFiles.h"
#include "MachineState.h"
#include "TextUtil.h"

namespace {

// A port that names a file ("C:\out\page.prn") receives the printed bytes, as a local port
// of that name does.
bool IsFilePort(const std::string& port)
{
    return port.size() > 3 && port[1] == ':' && (port[2] == '\\' || port[2] == '/');
}

SYSTEMTIME NowUtc()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm utc{};
    gmtime_r(&now.tv_sec, &utc);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(utc.tm_year + 1900);
    t.wMonth = static_cast<WORD>(utc.tm_mon + 1);
    t.wDayOfWeek = static_cast<WORD>(utc.tm_wday);
    t.wDay = static_cast<WORD>(utc.tm_mday);
    t.wHour = static_cast<WORD>(utc.tm_hour);
    t.wMinute = static_cast<WORD>(utc.tm_min);
    t.wSecond = static_cast<WORD>(utc.tm_sec);
    t.wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
    return t;
}

// Creates every missing folder of a full Windows path.
void EnsureFolder(const std::string& windowsPath)
{
    for (size_t pos = windowsPath.find('\\', 3);; pos = windowsPath.find('\\', pos + 1)) {
        CreateDirectoryA(windowsPath.substr(0, pos).c_str(), nullptr);
        if (pos == std::string::npos) break;
    }
}

}  // namespace

PrintJob* JobQueue::Start(MachineState& state, const PrinterRecord& printer, const Request& request,
                          uint32_t& error)
{
    error = 0;
    PathMapper paths = state.Paths();
    auto job = std::make_unique<PrintJob>();
    job->printer = printer.FullName();
    job->driver = printer.driver;
    job->printProcessor = printer.printProcessor;
    job->document = request.document;
    job->datatype = request.datatype.empty() ? printer.datatype : request.datatype;
    job->outputFile = request.outputFile;
    job->machine = "\\\\" + state.Machine().computerName;
    job->user = state.Machine().userName;
    job->devMode = request.devMode;
    job->submitted = NowUtc();
    job->finishAfter = printer.finishAfter;

    if (request.raw) {
        std::string target = !request.outputFile.empty() ? request.outputFile
                             : IsFilePort(printer.port)  ? printer.port
                                                         : std::string();
        if (!target.empty()) {
            PathMapper::Resolved r = paths.Resolve(target);
            if (!request.outputFile.empty() && (r.error || !r.parentExists || (r.exists && r.isDirectory))) {
                error = r.error ? r.error : r.isDirectory ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND;
                return nullptr;
            }
            if (!r.error && r.parentExists && !r.isDirectory) job->deliverHost = r.host;
        }
    }

    std::string folder = paths.FullPath(state.Machine().spoolFolder);
    if (folder.empty()) {
        error = ERROR_PATH_NOT_FOUND;
        return nullptr;
    }
    EnsureFolder(folder);
    // Ids go on after the records already in the folder, so no record is overwritten.
    for (;;) {
        job->id = ++m_lastId;
        char name[32];
        std::snprintf(name, sizeof name, "\\%05u.SPL", job->id);
        job->recordPath = folder + name;
        PathMapper::Resolved r = paths.Resolve(job->recordPath);
        if (r.error || !r.parentExists) {
            error = PathMapper::MissingError(r);
            return nullptr;
        }
        if (r.exists) continue;
        if (int e = job->record.Create(r.host)) {
            error = HostFiles::ErrorOf(e);
            return nullptr;
        }
        break;
    }

    char submitted[64];
    std::snprintf(submitted, sizeof submitted, "%04u-%02u-%02u %02u:%02u:%02u.%03u", job->submitted.wYear,
                  job->submitted.wMonth, job->submitted.wDay, job->submitted.wHour, job->submitted.wMinute,
                  job->submitted.wSecond, job->submitted.wMilliseconds);
    SpoolRecord& rec = job->record;
    bool ok = rec.Line("Job", std::to_string(job->id)) && rec.Line("Printer", job->printer) &&
              rec.Line("Document", job->document) && rec.Line("Datatype", job->datatype) &&
              rec.Line("OutputFile", job->outputFile) && rec.Line("Machine", job->machine) &&
              rec.Line("User", job->user) && rec.Line("Submitted", submitted);
    if (ok && !request.raw) ok = rec.Block("DevMode", job->devMode.data(), job->devMode.size());
    if (!ok) {
        error = HostFiles::ErrorOf(rec.LastErrno());
        return nullptr;
    }
    m_jobs.push_back(std::move(job));
    return m_jobs.back().get();
}

PrintJob* JobQueue::Find(uint32_t id)
{
    for (auto& job : m_jobs)
        if (job->id == id) return job.get();
    return nullptr;
}

std::vector<PrintJob*> JobQueue::OfPrinter(std::string_view printer)
{
    std::vector<PrintJob*> out;
    for (auto& job : m_jobs)
        if (TextUtil::EqualNoCase(job->printer, printer)) out.push_back(job.get());
    return out;
}

uint32_t JobQueue::CountOf(std::string_view printer) const
{
    return static_cast<uint32_t>(std::count_if(m_jobs.begin(), m_jobs.end(), [&](const auto& job) {
        return TextUtil::EqualNoCase(job->printer, printer);
    }));
}

uint32_t JobQueue::PositionOf(const PrintJob& job) const
{
    uint32_t position = 0;
    for (const auto& other : m_jobs) {
        if (TextUtil::EqualNoCase(other->printer, job.printer)) ++position;
        if (other.get() == &job) return position;
    }
    return 0;
}

void JobQueue::EndDocument(uint32_t id)
{
    PrintJob* job = Find(id);
    if (!job || !job->spooling) return;
    job->spooling = false;
    job->record.Line("End", "");
    if (job->deleting) {
        Remove(id, "deleted");
        return;
    }
    FinishIfDue(*job);
}

void JobQueue::Abort(uint32_t id)
{
    Remove(id, "aborted");
}

void JobQueue::Delete(uint32_t id)
{
    PrintJob* job = Find(id);
    if (!job) return;
    if (job->spooling) {
        // Its owner is still writing: the job goes when the document ends.
        if (!job->deleting) job->record.Line("Control", "delete");
        job->deleting = true;
        return;
    }
    Remove(id, "deleted");
}

bool JobQueue::Finish(uint32_t id)
{
    PrintJob* job = Find(id);
    if (!job || job->spooling) return false;
    if (!job->deliverHost.empty()) {
        int hostErrno = 0;
        if (!HostFiles::Replace(job->deliverHost, job->bytes, hostErrno))
            job->record.Line("DeliveryError", std::to_string(hostErrno));
    }
    Remove(id, "printed");
    return true;
}

void JobQueue::Reported(uint32_t id)
{
    PrintJob* job = Find(id);
    if (!job || job->spooling || job->paused) return;
    ++job->reports;
    FinishIfDue(*job);
}

void JobQueue::Pause(uint32_t id)
{
    if (PrintJob* job = Find(id)) {
        job->paused = true;
        job->record.Line("Control", "pause");
    }
}

void JobQueue::Resume(uint32_t id)
{
    if (PrintJob* job = Find(id)) {
        job->paused = false;
        job->record.Line("Control", "resume");
        if (!job->spooling) FinishIfDue(*job);
    }
}

void JobQueue::Restart(uint32_t id)
{
    if (PrintJob* job = Find(id)) {
        job->reports = 0;
        job->record.Line("Control", "restart");
    }
}

void JobQueue::FinishIfDue(PrintJob& job)
{
    if (job.spooling || job.paused || job.finishAfter < 0) return;
    if (job.reports >= static_cast<uint32_t>(job.finishAfter)) Finish(job.id);
}

void JobQueue::Remove(uint32_t id, std::string_view state)
{
    for (auto it = m_jobs.begin(); it != m_jobs.end(); ++it) {
        if ((*it)->id != id) continue;
        (*it)->record.Line("State", state);
        m_jobs.erase(it);
        return;
    }
}
