// Metafile print for "EMF_INTERNAL_XPS" drivers: its private part lies at the end of the device
// mode, carries the table type and setting identifier, and a test print with tables is followed
// until the spooler shows its job.
#pragma once

#include <functional>
#include <memory>

#include "testprint/CEmfPrintBase.h"

class CEmfInternalXPS : public CEmfPrintBase {
public:
    static constexpr int tableTypeColor = 1;
    static constexpr int tableTypeGamma = 2;
    // The private part is this many bytes from the device mode's end.
    static constexpr DWORD privatePartSize = 1448;
    // Queries for the job before giving up on seeing it.
    static constexpr int maxJobQueries = 100;

    void PrintPage(const std::string& path, const std::string& ccmVersion, int kind, const BYTE* tTable,
                   const BYTE* vTable, DWORD tableLength, int tableType, DWORD settingId);

    DWORD GetJobId() const { return jobId; }
    HANDLE GetJobPrinter() const { return jobPrinter; }
    BOOL IsJobSeen() const { return jobSeen; }

    // Signals the job event of the dialog that watches the job. The dialog lives above this
    // layer, so it installs the handler while it is open; without one nothing is signalled.
    using JobEventHandler = std::function<void()>;
    static JobEventHandler SetJobEventHandler(JobEventHandler handler);

protected:
    std::ptrdiff_t PrivateBase() const override;
    void PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                           PrivateFields& plan) const override;
    void OnDocumentStarted(const std::string& path, int kind, int startedJob) override;

private:
    bool QueryJob(const std::string& path);

    BOOL jobSeen = FALSE;
    BOOL lastJobQuery = FALSE;
    std::unique_ptr<BYTE[]> jobInfo;
    DWORD jobId = 0;
    HANDLE jobPrinter = nullptr;  // the print's own printer handle, not owned
    int tableType = 0;
    DWORD settingId = 0;
};
