#include "testprint/CEmfInternalXPS.h"

#include <new>
#include <utility>

namespace {

CEmfInternalXPS::JobEventHandler& JobEvent()
{
    static CEmfInternalXPS::JobEventHandler handler;
    return handler;
}

}  // namespace

CEmfInternalXPS::JobEventHandler CEmfInternalXPS::SetJobEventHandler(JobEventHandler handler)
{
    return std::exchange(JobEvent(), std::move(handler));
}

void CEmfInternalXPS::PrintPage(const std::string& path, const std::string& ccmVersion, int kind,
                                const BYTE* tTable, const BYTE* vTable, DWORD tableLength, int type, DWORD id)
{
    tableType = type;
    settingId = id;
    jobSeen = FALSE;
    lastJobQuery = FALSE;
    jobInfo.reset();
    jobId = 0;
    jobPrinter = nullptr;
    CEmfPrintBase::PrintPage(path, ccmVersion, kind, tTable, vTable, tableLength);
}

std::ptrdiff_t CEmfInternalXPS::PrivateBase() const
{
    const DEVMODEA* mode = GetDeviceMode();
    if (!mode || devModeSize < privatePartSize) return -1;
    std::ptrdiff_t base = static_cast<std::ptrdiff_t>(devModeSize - privatePartSize);
    // A private part reaching back into the public one would overwrite the driver's settings.
    return base < mode->dmSize ? -1 : base;
}

void CEmfInternalXPS::PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                                        PrivateFields& plan) const
{
    const bool sample = kind == kindSample;
    plan.Word(602, 1);
    plan.Word(612, 1);
    plan.Word(614, sample ? 2 : 3);
    plan.Word(640, 0);
    if (sample) return;
    if (tableType == tableTypeColor)
        plan.Word(618, 0);
    else if (tableType == tableTypeGamma)
        plan.Word(618, 1);
    plan.Word(620, settingId & 0xFFFF);
    plan.tableLength = tableLength;
    plan.tables = {{888, tTable}, {1146, vTable}};
    plan.Word(1144, tableLength);
    plan.Word(1402, tableLength);
}

void CEmfInternalXPS::OnDocumentStarted(const std::string& path, int kind, int startedJob)
{
    if (kind != kindTestTables) return;
    jobPrinter = printer;
    jobId = static_cast<DWORD>(startedJob);
    for (int query = 0; query < maxJobQueries && !jobSeen; ++query) {
        if (QueryJob(path)) jobSeen = TRUE;
    }
    // Signalled even when the job never showed: the dialog then finds it gone from the queue
    // and closes instead of waiting for ever.
    if (JobEvent()) JobEvent()();
}

bool CEmfInternalXPS::QueryJob(const std::string& path)
{
    DWORD needed = 0;
    GetJobA(jobPrinter, jobId, 2, nullptr, 0, &needed);
    if (needed == 0) {
        lastJobQuery = FALSE;
        return false;
    }
    jobInfo.reset(new (std::nothrow) BYTE[needed]());
    if (!jobInfo) {
        lastJobQuery = FALSE;
        return false;
    }
    lastJobQuery = GetJobA(jobPrinter, jobId, 2, jobInfo.get(), needed, &needed);
    if (!lastJobQuery) return false;
    const auto* info = reinterpret_cast<const JOB_INFO_2A*>(jobInfo.get());
    return info->pDocument && path == info->pDocument;
}
