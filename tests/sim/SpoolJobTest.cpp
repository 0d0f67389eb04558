// Print jobs of the simulated spooler: the records they leave in the spool folder, the queue a
// job waits in until the printer finishes it, polling with GetJobA/EnumJobsA, job control, and
// metafile prints on printer device contexts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/UiTypes.h"
#include "platform/posix/Simulation.h"
#include "platform/win32api.h"
#include "support/MinimalMetafile.h"
#include "support/SimMachine.h"

namespace {

const char kPrinter[] = "Job Printer";
const char kOther[] = "Other Printer";

// A printer handle closed on every path.
class Printer {
public:
    explicit Printer(const std::string& name)
    {
        std::string writable = name;
        if (!OpenPrinterA(writable.data(), &m_handle, nullptr)) m_handle = nullptr;
    }
    ~Printer()
    {
        if (m_handle) ClosePrinter(m_handle);
    }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;
    HANDLE Get() const { return m_handle; }
    // Hands the handle over to a test that closes it itself.
    HANDLE Release()
    {
        HANDLE h = m_handle;
        m_handle = nullptr;
        return h;
    }

private:
    HANDLE m_handle = nullptr;
};

DWORD StartRaw(HANDLE printer, const char* document, const char* output = nullptr, const char* datatype = "RAW")
{
    DOC_INFO_1A doc = {const_cast<LPSTR>(document), const_cast<LPSTR>(output), const_cast<LPSTR>(datatype)};
    return StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc));
}

BOOL Write(HANDLE printer, const std::string& bytes)
{
    DWORD written = 12345;
    BOOL ok = WritePrinter(printer, const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()), &written);
    if (ok) {
        EXPECT_EQ(written, bytes.size());
    }
    return ok;
}

// One level-1 or level-2 job record through the size query and a buffer of that size.
template <class Info>
bool QueryJob(HANDLE printer, DWORD id, std::vector<BYTE>& buffer)
{
    DWORD level = sizeof(Info) == sizeof(JOB_INFO_1A) ? 1 : 2;
    DWORD needed = 0;
    if (GetJobA(printer, id, level, nullptr, 0, &needed)) return false;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    buffer.assign(needed, 0);
    return GetJobA(printer, id, level, buffer.data(), needed, &needed) != FALSE;
}

std::vector<DWORD> QueuedIds(HANDLE printer)
{
    DWORD needed = 0;
    DWORD returned = 0;
    EnumJobsA(printer, 0, 100, 1, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed + 1);
    EXPECT_TRUE(EnumJobsA(printer, 0, 100, 1, buffer.data(), needed, &needed, &returned));
    std::vector<DWORD> ids;
    for (DWORD i = 0; i < returned; ++i) ids.push_back(reinterpret_cast<JOB_INFO_1A*>(buffer.data())[i].JobId);
    return ids;
}

class SpoolJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDriver driver;
        driver.name = "Job Driver";
        driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\JOBDRV.DLL";
        machine.AddDriver(driver);
    }

    void AddPrinter(const std::string& name, const std::string& finishJobs = "", const std::string& port = "LPT1:")
    {
        SimPrinter printer;
        printer.name = name;
        printer.driver = "Job Driver";
        printer.port = port;
        printer.finishJobs = finishJobs;
        printer.driverExtra = 16;
        machine.AddPrinter(printer);
    }

    SimMachine machine;
};

TEST_F(SpoolJobTest, RawJobRecordKeepsEveryWriteInOrder)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer printer(kPrinter);
    ASSERT_TRUE(printer.Get());

    DWORD id = StartRaw(printer.Get(), "page.prn");
    ASSERT_NE(id, 0u);
    std::string binary("\x1B%-12345X\0\n\r\xFF", 13);
    ASSERT_TRUE(StartPagePrinter(printer.Get()));
    ASSERT_TRUE(Write(printer.Get(), "@PJL\n"));
    ASSERT_TRUE(Write(printer.Get(), ""));
    ASSERT_TRUE(Write(printer.Get(), binary));
    ASSERT_TRUE(EndPagePrinter(printer.Get()));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));

    SimJob job = machine.Job(id);
    EXPECT_EQ(job.id, id);
    EXPECT_EQ(job.printer, kPrinter);
    EXPECT_EQ(job.document, "page.prn");
    EXPECT_EQ(job.datatype, "RAW");
    EXPECT_EQ(job.machine, "\\\\TESTPC");
    EXPECT_EQ(job.bytes, "@PJL\n" + binary);
    EXPECT_EQ(job.writes, (std::vector<size_t>{5, 0, 13}));
    EXPECT_EQ(job.events, (std::vector<std::string>{"StartPage", "Write", "Write", "Write", "EndPage", "End",
                                                    "State=printed"}));
    EXPECT_TRUE(job.devMode.empty());
    // Finished at once by default: the queue is empty again.
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
}

TEST_F(SpoolJobTest, CallsOutsideADocumentFail)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer printer(kPrinter);
    DWORD written = 7;
    EXPECT_FALSE(WritePrinter(printer.Get(), const_cast<char*>("x"), 1, &written));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SPL_NO_STARTDOC));
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(EndDocPrinter(printer.Get()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SPL_NO_STARTDOC));
    EXPECT_FALSE(AbortPrinter(printer.Get()));
    EXPECT_FALSE(StartPagePrinter(printer.Get()));

    ASSERT_NE(StartRaw(printer.Get(), "a"), 0u);
    EXPECT_EQ(StartRaw(printer.Get(), "b"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_STATE));
    DOC_INFO_1A doc = {const_cast<LPSTR>("c"), nullptr, nullptr};
    EXPECT_EQ(StartDocPrinterA(printer.Get(), 2, reinterpret_cast<LPBYTE>(&doc)), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
    EXPECT_EQ(StartDocPrinterA(nullptr, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(SpoolJobTest, UnknownDatatypeIsRefusedAndMissingOneIsThePrinters)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer printer(kPrinter);
    EXPECT_EQ(StartRaw(printer.Get(), "a", nullptr, "PSCRIPT9"), 0u);
    EXPECT_EQ(GetLastError(), 1804u);
    DWORD id = StartRaw(printer.Get(), "a", nullptr, nullptr);
    ASSERT_NE(id, 0u);
    EndDocPrinter(printer.Get());
    EXPECT_EQ(machine.Job(id).datatype, "RAW");
}

TEST_F(SpoolJobTest, QueriesThatReportTheJobCountTowardsTheRule)
{
    AddPrinter(kPrinter, "after 2 queries");
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "report.prn");
    ASSERT_NE(id, 0u);
    std::vector<BYTE> info;
    // Queries while the document is being written do not count.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(QueryJob<JOB_INFO_1A>(printer.Get(), id, info));
        EXPECT_EQ(reinterpret_cast<JOB_INFO_1A*>(info.data())->Status, static_cast<DWORD>(JOB_STATUS_SPOOLING));
    }
    ASSERT_TRUE(Write(printer.Get(), "data"));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));

    // Size queries that fail for want of a buffer do not count either.
    ASSERT_TRUE(QueryJob<JOB_INFO_1A>(printer.Get(), id, info));
    const auto* one = reinterpret_cast<JOB_INFO_1A*>(info.data());
    EXPECT_EQ(one->JobId, id);
    EXPECT_STREQ(one->pDocument, "report.prn");
    EXPECT_STREQ(one->pPrinterName, kPrinter);
    EXPECT_STREQ(one->pDatatype, "RAW");
    EXPECT_EQ(one->Status, static_cast<DWORD>(JOB_STATUS_PRINTING));
    EXPECT_EQ(one->Position, 1u);
    EXPECT_EQ(machine.Job(id).state, "");
    EXPECT_TRUE(machine.Job(id).ended);

    EXPECT_EQ(QueuedIds(printer.Get()), std::vector<DWORD>{id});  // the second report
    EXPECT_FALSE(QueryJob<JOB_INFO_1A>(printer.Get(), id, info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(machine.Job(id).state, "printed");
}

TEST_F(SpoolJobTest, NeverFinishingPrinterKeepsJobsUntilTheTestFinishesThem)
{
    AddPrinter(kPrinter, "never");
    machine.Apply();
    Printer printer(kPrinter);
    DWORD first = StartRaw(printer.Get(), "one");
    EXPECT_FALSE(machine.FinishJob(first));  // still being written
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    DWORD second = StartRaw(printer.Get(), "two");
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(QueuedIds(printer.Get()), (std::vector<DWORD>{first, second}));

    EXPECT_TRUE(machine.FinishJob(first));
    EXPECT_FALSE(machine.FinishJob(first));
    EXPECT_EQ(QueuedIds(printer.Get()), std::vector<DWORD>{second});
    EXPECT_EQ(machine.Job(first).state, "printed");
    EXPECT_EQ(machine.Job(second).state, "");
}

TEST_F(SpoolJobTest, EnumJobsLevelTwoDescribesEachJobOfThePrinter)
{
    AddPrinter(kPrinter, "never");
    AddPrinter(kOther, "never");
    machine.Apply();
    Printer printer(kPrinter);
    Printer other(kOther);
    Printer second(kPrinter);
    DWORD elsewhere = StartRaw(other.Get(), "elsewhere");
    ASSERT_NE(elsewhere, 0u);
    DWORD queued = StartRaw(printer.Get(), "queued.prn");
    ASSERT_TRUE(Write(printer.Get(), std::string(300, 'q')));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    DWORD spooling = StartRaw(second.Get(), "spooling.prn");
    ASSERT_TRUE(Write(second.Get(), "12345"));
    ASSERT_TRUE(StartPagePrinter(second.Get()));
    ASSERT_TRUE(EndPagePrinter(second.Get()));

    DWORD needed = 0;
    DWORD returned = 99;
    EXPECT_FALSE(EnumJobsA(printer.Get(), 0, 10, 2, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(returned, 0u);
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(EnumJobsA(printer.Get(), 0, 10, 2, buffer.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 2u);
    const auto* jobs = reinterpret_cast<JOB_INFO_2A*>(buffer.data());
    EXPECT_EQ(jobs[0].JobId, queued);
    EXPECT_STREQ(jobs[0].pDocument, "queued.prn");
    EXPECT_STREQ(jobs[0].pMachineName, "\\\\TESTPC");
    EXPECT_STREQ(jobs[0].pDriverName, "Job Driver");
    EXPECT_STREQ(jobs[0].pPrintProcessor, "winprint");
    EXPECT_EQ(jobs[0].Status, static_cast<DWORD>(JOB_STATUS_PRINTING));
    EXPECT_EQ(jobs[0].Position, 1u);
    EXPECT_EQ(jobs[0].Size, 300u);
    EXPECT_EQ(jobs[0].TotalPages, 0u);
    ASSERT_NE(jobs[0].pDevMode, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(jobs[0].pDevMode->dmDeviceName), kPrinter);
    EXPECT_EQ(jobs[0].pDevMode->dmDriverExtra, 16);
    EXPECT_EQ(jobs[1].JobId, spooling);
    EXPECT_EQ(jobs[1].Status, static_cast<DWORD>(JOB_STATUS_SPOOLING));
    EXPECT_EQ(jobs[1].Position, 2u);
    EXPECT_EQ(jobs[1].Size, 5u);
    EXPECT_EQ(jobs[1].TotalPages, 1u);
    // Every string and the device mode lie inside the caller's buffer.
    const char* begin = reinterpret_cast<const char*>(buffer.data());
    for (const char* s : {jobs[0].pPrinterName, jobs[0].pUserName, jobs[1].pDocument, jobs[1].pDatatype}) {
        ASSERT_NE(s, nullptr);
        EXPECT_GE(s, begin + 2 * sizeof(JOB_INFO_2A));
        EXPECT_LT(s, begin + needed);
    }

    // A window of the queue, and a start beyond its end.
    ASSERT_TRUE(EnumJobsA(printer.Get(), 1, 5, 1, buffer.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 1u);
    EXPECT_EQ(reinterpret_cast<JOB_INFO_1A*>(buffer.data())->JobId, spooling);
    ASSERT_TRUE(EnumJobsA(printer.Get(), 5, 5, 1, buffer.data(), needed, &needed, &returned));
    EXPECT_EQ(returned, 0u);
    EXPECT_FALSE(EnumJobsA(printer.Get(), 0, 5, 3, buffer.data(), needed, &needed, &returned));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));

    // The printer's own record counts its queue.
    GetPrinterA(printer.Get(), 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    ASSERT_TRUE(GetPrinterA(printer.Get(), 2, info.data(), needed, &needed));
    EXPECT_EQ(reinterpret_cast<PRINTER_INFO_2A*>(info.data())->cJobs, 2u);

    // A job of another printer is not found through this one.
    std::vector<BYTE> job;
    EXPECT_FALSE(QueryJob<JOB_INFO_2A>(printer.Get(), elsewhere, job));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(QueryJob<JOB_INFO_2A>(other.Get(), elsewhere, job));
}

TEST_F(SpoolJobTest, DeletingAQueuedJobRemovesIt)
{
    AddPrinter(kPrinter, "never");
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "doomed");
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    ASSERT_TRUE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_DELETE));
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
    EXPECT_EQ(machine.Job(id).state, "deleted");
    EXPECT_FALSE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_DELETE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(SpoolJobTest, DeletingAJobBeingWrittenCancelsItsWrites)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer writer(kPrinter);
    Printer watcher(kPrinter);
    DWORD id = StartRaw(writer.Get(), "cancelled");
    ASSERT_TRUE(Write(writer.Get(), "before"));
    ASSERT_TRUE(SetJobA(watcher.Get(), id, 0, nullptr, JOB_CONTROL_DELETE));
    std::vector<BYTE> info;
    ASSERT_TRUE(QueryJob<JOB_INFO_1A>(watcher.Get(), id, info));
    EXPECT_EQ(reinterpret_cast<JOB_INFO_1A*>(info.data())->Status,
              static_cast<DWORD>(JOB_STATUS_SPOOLING | JOB_STATUS_DELETING));
    EXPECT_FALSE(Write(writer.Get(), "after"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PRINT_CANCELLED));
    EXPECT_TRUE(EndDocPrinter(writer.Get()));

    SimJob job = machine.Job(id);
    EXPECT_EQ(job.bytes, "before");
    EXPECT_EQ(job.state, "deleted");
    EXPECT_TRUE(QueuedIds(watcher.Get()).empty());
}

TEST_F(SpoolJobTest, PausedJobWaitsForResume)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "held");
    ASSERT_TRUE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_PAUSE));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    std::vector<BYTE> info;
    ASSERT_TRUE(QueryJob<JOB_INFO_1A>(printer.Get(), id, info));
    EXPECT_EQ(reinterpret_cast<JOB_INFO_1A*>(info.data())->Status,
              static_cast<DWORD>(JOB_STATUS_PRINTING | JOB_STATUS_PAUSED));
    ASSERT_TRUE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_RESUME));
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
    EXPECT_EQ(machine.Job(id).events,
              (std::vector<std::string>{"Control=pause", "End", "Control=resume", "State=printed"}));

    EXPECT_FALSE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_PAUSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(SpoolJobTest, OtherJobControls)
{
    AddPrinter(kPrinter, "after 1 query");
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "controlled");
    EXPECT_FALSE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_LAST_PAGE_EJECTED));
    EXPECT_FALSE(SetJobA(printer.Get(), id, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    JOB_INFO_1A change{};
    EXPECT_FALSE(SetJobA(printer.Get(), id, 1, reinterpret_cast<LPBYTE>(&change), 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    ASSERT_TRUE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_SENT_TO_PRINTER));
    ASSERT_TRUE(SetJobA(printer.Get(), id, 0, nullptr, JOB_CONTROL_LAST_PAGE_EJECTED));
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
    EXPECT_EQ(machine.Job(id).state, "printed");

    // Cancel is delete; restart makes the printer count its queries afresh.
    DWORD cancelled = StartRaw(printer.Get(), "cancelled");
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    ASSERT_TRUE(SetJobA(printer.Get(), cancelled, 0, nullptr, JOB_CONTROL_CANCEL));
    EXPECT_EQ(machine.Job(cancelled).state, "deleted");
    DWORD restarted = StartRaw(printer.Get(), "restarted");
    ASSERT_TRUE(SetJobA(printer.Get(), restarted, 0, nullptr, JOB_CONTROL_RESTART));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    EXPECT_EQ(QueuedIds(printer.Get()), std::vector<DWORD>{restarted});
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
}

TEST_F(SpoolJobTest, AbortedJobIsMarkedAndLeavesTheQueue)
{
    AddPrinter(kPrinter, "never");
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "aborted.prn");
    ASSERT_TRUE(Write(printer.Get(), "partial"));
    ASSERT_TRUE(AbortPrinter(printer.Get()));
    EXPECT_FALSE(Write(printer.Get(), "more"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SPL_NO_STARTDOC));
    EXPECT_TRUE(QueuedIds(printer.Get()).empty());
    SimJob job = machine.Job(id);
    EXPECT_EQ(job.state, "aborted");
    EXPECT_FALSE(job.ended);
    EXPECT_EQ(job.bytes, "partial");

    // The handle can start the next job.
    EXPECT_NE(StartRaw(printer.Get(), "next"), 0u);
}

TEST_F(SpoolJobTest, ClosingThePrinterEndsItsDocument)
{
    AddPrinter(kPrinter);
    machine.Apply();
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "closed");
    ASSERT_TRUE(Write(printer.Get(), "all"));
    ASSERT_TRUE(ClosePrinter(printer.Release()));
    SimJob job = machine.Job(id);
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.state, "printed");
}

TEST_F(SpoolJobTest, PrintedBytesGoToTheOutputFileOrAFilePort)
{
    AddPrinter(kPrinter, "after 1 query", "C:\\Ports\\port.prn");
    machine.Apply();
    machine.WriteFile("C:\\Ports\\old.txt", "");
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "to port");
    ASSERT_TRUE(Write(printer.Get(), "first "));
    ASSERT_TRUE(Write(printer.Get(), std::string("second\0", 7)));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    EXPECT_FALSE(machine.Exists("C:\\Ports\\port.prn"));  // queued, not printed yet
    EXPECT_EQ(QueuedIds(printer.Get()), std::vector<DWORD>{id});
    EXPECT_EQ(machine.ReadFile("C:\\Ports\\port.prn"), std::string("first second\0", 13));

    DWORD toFile = StartRaw(printer.Get(), "to file", "C:\\Ports\\out.prn");
    ASSERT_TRUE(Write(printer.Get(), "file"));
    ASSERT_TRUE(EndDocPrinter(printer.Get()));
    ASSERT_TRUE(machine.FinishJob(toFile));
    EXPECT_EQ(machine.ReadFile("C:\\Ports\\out.prn"), "file");
    EXPECT_EQ(machine.ReadFile("C:\\Ports\\port.prn"), std::string("first second\0", 13));
    EXPECT_EQ(machine.Job(toFile).outputFile, "C:\\Ports\\out.prn");

    // An output file in a missing folder is refused when the job starts.
    EXPECT_EQ(StartRaw(printer.Get(), "nowhere", "C:\\Missing\\out.prn"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(SpoolJobTest, RecordsOfAnEarlierRunAreNotOverwritten)
{
    machine.Set("Machine", "SpoolFolder", "C:\\Spool");
    AddPrinter(kPrinter);
    machine.Apply();
    machine.WriteFile("C:\\Spool\\00001.SPL", "Job=1\nDocument=earlier\n");
    Printer printer(kPrinter);
    DWORD id = StartRaw(printer.Get(), "later");
    EXPECT_EQ(id, 2u);
    EndDocPrinter(printer.Get());
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].document, "earlier");
    EXPECT_EQ(jobs[1].document, "later");
    EXPECT_EQ(machine.SpoolFolder(), "C:\\Spool");
    machine.ClearJobs();
    EXPECT_TRUE(machine.Jobs().empty());
}

// An enhanced metafile: its header record only, with the given frame (0.01 mm).
TEST_F(SpoolJobTest, MetafilesAreOpenedWithTheirHeader)
{
    machine.WriteFile("C:\\Pages\\wide.emf", MinimalMetafile(2000, 1000));
    machine.WriteFile("C:\\Pages\\bad.emf", MinimalMetafile(2000, 1000, 0x12345678));
    machine.WriteFile("C:\\Pages\\short.emf", "EMF");

    HENHMETAFILE metafile = GetEnhMetaFileA("C:\\Pages\\wide.emf");
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(GetEnhMetaFileHeader(metafile, 0, nullptr), sizeof(ENHMETAHEADER));
    ENHMETAHEADER header{};
    EXPECT_EQ(GetEnhMetaFileHeader(metafile, sizeof header, &header), sizeof header);
    EXPECT_EQ(header.rclFrame.right, 2000);
    EXPECT_EQ(header.rclFrame.bottom, 1000);
    EXPECT_EQ(header.nRecords, 2u);
    ENHMETAHEADER part{};
    EXPECT_EQ(GetEnhMetaFileHeader(metafile, 8, &part), 8u);
    EXPECT_EQ(part.nSize, sizeof header);
    EXPECT_EQ(part.rclBounds.left, 0);
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
    EXPECT_FALSE(DeleteEnhMetaFile(metafile));
    EXPECT_EQ(GetEnhMetaFileHeader(metafile, 0, nullptr), 0u);

    EXPECT_EQ(GetEnhMetaFileA("C:\\Pages\\bad.emf"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_EQ(GetEnhMetaFileA("C:\\Pages\\short.emf"), nullptr);
    EXPECT_EQ(GetEnhMetaFileA("C:\\Pages\\missing.emf"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

class MetafilePrintTest : public SpoolJobTest {
protected:
    void SetUp() override
    {
        SpoolJobTest::SetUp();
        AddPrinter(kPrinter, "after 1 query");
        machine.Apply();
        machine.WriteFile("C:\\Pages\\page.emf", MinimalMetafile(21000, 29700));
    }

    // The printer's device mode with a landscape orientation and a marked private area.
    std::vector<BYTE> DeviceMode()
    {
        Printer printer(kPrinter);
        std::string name = kPrinter;
        LONG size = DocumentPropertiesA(nullptr, printer.Get(), name.data(), nullptr, nullptr, 0);
        std::vector<BYTE> bytes(size);
        auto* dm = reinterpret_cast<DEVMODEA*>(bytes.data());
        DocumentPropertiesA(nullptr, printer.Get(), name.data(), dm, nullptr, DM_OUT_BUFFER);
        dm->dmOrientation = DMORIENT_LANDSCAPE;
        for (int i = 0; i < 16; ++i) bytes[sizeof(DEVMODEA) + i] = static_cast<BYTE>(0xA0 + i);
        return bytes;
    }
};

TEST_F(MetafilePrintTest, RecordHoldsDeviceModeDocumentPagesAndPlayback)
{
    std::vector<BYTE> devMode = DeviceMode();
    HDC dc = CreateDCA("Job Driver", kPrinter, "LPT1:", reinterpret_cast<DEVMODEA*>(devMode.data()));
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Pages"));
    HENHMETAFILE metafile = GetEnhMetaFileA("page.emf");
    ASSERT_NE(metafile, nullptr);

    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = "C:\\Pages\\page.emf";
    int id = StartDocA(dc, &info);
    ASSERT_GT(id, 0);
    // Seen by the spooler while the document is being written, under the name given.
    Printer printer(kPrinter);
    std::vector<BYTE> job;
    ASSERT_TRUE(QueryJob<JOB_INFO_2A>(printer.Get(), static_cast<DWORD>(id), job));
    const auto* two = reinterpret_cast<JOB_INFO_2A*>(job.data());
    EXPECT_STREQ(two->pDocument, "C:\\Pages\\page.emf");
    EXPECT_STREQ(two->pDatatype, "NT EMF 1.008");
    ASSERT_NE(two->pDevMode, nullptr);
    EXPECT_EQ(two->pDevMode->dmOrientation, DMORIENT_LANDSCAPE);

    RECT area = {0, 0, 6816, 4761};
    ASSERT_GT(StartPage(dc), 0);
    ASSERT_TRUE(PlayEnhMetaFile(dc, metafile, &area));
    ASSERT_GT(EndPage(dc), 0);
    ASSERT_GT(EndDoc(dc), 0);
    EXPECT_EQ(EndDoc(dc), SP_ERROR);
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
    EXPECT_TRUE(DeleteDC(dc));

    SimJob record = machine.Job(static_cast<unsigned>(id));
    EXPECT_EQ(record.document, "C:\\Pages\\page.emf");
    EXPECT_EQ(record.datatype, "NT EMF 1.008");
    EXPECT_EQ(record.devMode, std::string(devMode.begin(), devMode.end()));
    ASSERT_EQ(record.plays.size(), 1u);
    EXPECT_EQ(record.plays[0].right, 6816);
    EXPECT_EQ(record.plays[0].bottom, 4761);
    EXPECT_EQ(record.plays[0].metafile, "C:\\Pages\\page.emf");  // made a full path
    EXPECT_EQ(record.events, (std::vector<std::string>{"StartPage", "Play", "EndPage", "End"}));
    EXPECT_EQ(record.StartPages(), 1);
    EXPECT_EQ(record.EndPages(), 1);
    EXPECT_TRUE(record.bytes.empty());
    EXPECT_EQ(QueuedIds(printer.Get()), std::vector<DWORD>{static_cast<DWORD>(id)});
    EXPECT_EQ(machine.Job(static_cast<unsigned>(id)).state, "printed");
}

TEST_F(MetafilePrintTest, DocumentCallsNeedADocument)
{
    HDC dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    HENHMETAFILE metafile = GetEnhMetaFileA("C:\\Pages\\page.emf");
    RECT area = {0, 0, 10, 10};
    EXPECT_EQ(StartPage(dc), SP_ERROR);
    EXPECT_EQ(EndPage(dc), SP_ERROR);
    EXPECT_EQ(AbortDoc(dc), SP_ERROR);
    // Playback outside a document reaches no printer.
    EXPECT_TRUE(PlayEnhMetaFile(dc, metafile, &area));
    EXPECT_FALSE(PlayEnhMetaFile(dc, metafile, nullptr));
    EXPECT_FALSE(PlayEnhMetaFile(dc, nullptr, &area));
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(StartDocA(dc, nullptr), SP_ERROR);
    EXPECT_EQ(CreateDCA(nullptr, "No Such Printer", nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateDCA("DISPLAY", nullptr, nullptr, nullptr), nullptr);
    DeleteEnhMetaFile(metafile);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
}

TEST_F(MetafilePrintTest, AbortedOrAbandonedDocumentsAreMarkedAborted)
{
    HDC dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOA info = {sizeof(DOCINFOA), "first", nullptr, nullptr, 0};
    int first = StartDocA(dc, &info);
    ASSERT_GT(first, 0);
    ASSERT_GT(AbortDoc(dc), 0);
    info.lpszDocName = "second";
    int second = StartDocA(dc, &info);
    ASSERT_GT(second, 0);
    ASSERT_GT(StartPage(dc), 0);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(machine.Job(static_cast<unsigned>(first)).state, "aborted");
    EXPECT_EQ(machine.Job(static_cast<unsigned>(second)).state, "aborted");
    EXPECT_EQ(machine.Job(static_cast<unsigned>(second)).events,
              (std::vector<std::string>{"StartPage", "State=aborted"}));
}

TEST_F(MetafilePrintTest, ShortDocumentInfoLeavesOutTheDatatype)
{
    HDC dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOA info = {24, "short", nullptr, "RAW", 0};  // cbSize ends before lpszDatatype
    int id = StartDocA(dc, &info);
    ASSERT_GT(id, 0);
    EndDoc(dc);
    DeleteDC(dc);
    EXPECT_EQ(machine.Job(static_cast<unsigned>(id)).datatype, "NT EMF 1.008");
}

TEST_F(SpoolJobTest, DeviceCapsFollowPaperResolutionAndOrientation)
{
    SimPrinter a4;
    a4.name = "A4 Printer";
    a4.driver = "Job Driver";
    machine.AddPrinter(a4);
    SimPrinter letter;
    letter.name = "Letter Printer";
    letter.driver = "Job Driver";
    letter.paperSize = DMPAPER_LETTER;
    letter.printQuality = 300;
    letter.orientation = DMORIENT_LANDSCAPE;
    letter.marginX = 250;
    letter.marginY = 100;
    machine.AddPrinter(letter);
    machine.Apply();

    // A4 (210 x 297 mm) at 600 dpi, margins of 0.167 inch.
    HDC dc = CreateDCA(nullptr, "A4 Printer", nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 4961);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 7016);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 100);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 100);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4761);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 6816);
    EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 202);
    EXPECT_EQ(GetDeviceCaps(dc, VERTSIZE), 289);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(dc);

    // Letter (8.5 x 11 inch) in landscape at 300 dpi: the page turns, and so do the margins.
    dc = CreateDCA(nullptr, "Letter Printer", nullptr, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 3300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 2550);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 30);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 75);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 3240);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 2400);
    DeleteDC(dc);

    // The device mode of the context decides: portrait, 1200 by 600 dpi.
    Printer printer("Letter Printer");
    std::string name = "Letter Printer";
    std::vector<BYTE> bytes(DocumentPropertiesA(nullptr, printer.Get(), name.data(), nullptr, nullptr, 0));
    auto* dm = reinterpret_cast<DEVMODEA*>(bytes.data());
    DocumentPropertiesA(nullptr, printer.Get(), name.data(), dm, nullptr, DM_OUT_BUFFER);
    dm->dmOrientation = DMORIENT_PORTRAIT;
    dm->dmPrintQuality = 1200;
    dm->dmYResolution = 600;
    dc = CreateDCA(nullptr, "Letter Printer", nullptr, dm);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 1200);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 10200);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 6600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 60);
    EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 203);
    EXPECT_EQ(GetDeviceCaps(dc, VERTSIZE), 274);
    DeleteDC(dc);
}

}  // namespace
