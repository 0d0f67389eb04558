// The raw test-print job with the PJL colour-appearance download, checked byte for byte in the
// job record the simulated spooler keeps, together with the pieces it was written in.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "color/CModelTableSize.h"
#include "launch/CmyException.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"
#include "support/SimMachine.h"
#include "support/ThrownId.h"

namespace {

const char kPrinter[] = "Raw Printer";
const char kUtilityIni[] = "C:\\Host\\Tintora\\Tavrel.ini";
const char kPrintFile[] = "C:\\Host\\Tintora\\Raw Printer\\test.prn";

const std::string kExit = "\x1B%-12345X";
const std::string kWriteNT = "@PJL ZANWRITE LOCATE:COLORAPPEARANCENT DATA=H000000E4\n";
const std::string kWriteNV = "@PJL ZANWRITE LOCATE:COLORAPPEARANCENV DATA=H000000E4\n";
const std::string kJobHeader =
    "@PJL JOB\r\n"
    "@PJL ZANUSERREQUIREMENT LANGUAGE=MJL\r\n"
    "@PJL ZANACCESSCONTROL ID=\"5c0d2e41a98b7f3316e4d0a2b7c95f18e2d64a03\" TYPE=1\r\n"
    "@PJL ZANLOGIN AUTHTYPE=1 PIN=\"5c0d2e41a98b7f3316e4d0a2b7c95f18e2d64a03\" TYPE=1\r\n"
    "@PJL ZANMFPJOB TYPE=PCPRINTJOB\r\n"
    "@PJL ZANENDOFSYSTEMCOMMAND\r\n";

std::vector<BYTE> Table(size_t length, int seed)
{
    std::vector<BYTE> table(length);
    for (size_t i = 0; i < length; ++i) table[i] = static_cast<BYTE>(i * 7 + seed);
    return table;
}

std::string Text(const std::vector<BYTE>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

class RawDownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDriver driver;
        driver.name = "Raw Driver";
        driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\RAWDRV.DLL";
        machine.AddDriver(driver);
        SimPrinter printer;
        printer.name = kPrinter;
        printer.driver = "Raw Driver";
        printer.faults = faults;
        machine.AddPrinter(printer);
        machine.Apply();
        machine.WriteFile(kUtilityIni, "[CCMVer3.30]\r\nModule=TV330.DLL\r\n[CCMVer3.31]\r\nModule=TV331.DLL\r\n");
        machine.WriteFile(kPrintFile, file);
    }

    void SetDataSize(const std::string& version, const std::string& value)
    {
        ASSERT_TRUE(WritePrivateProfileStringA(("CCMVer" + version).c_str(), "DataSize", value.c_str(), kUtilityIni));
    }

    // Sends the job and returns its record (the only one in the spool folder).
    SimJob Send(const std::string& version, const BYTE* t, const BYTE* v, DWORD length)
    {
        CPrint print;
        print.SetPrinterName(kPrinter);
        print.SendRawJob(version, kPrintFile, t, v, length);
        std::vector<SimJob> jobs = machine.Jobs();
        EXPECT_EQ(jobs.size(), 1u);
        return jobs.empty() ? SimJob() : jobs.back();
    }

    SimJob SendTables(const std::string& version, DWORD length = 228)
    {
        t = Table(length, 3);
        v = Table(length, 101);
        return Send(version, t.data(), v.data(), length);
    }

    // The download as it must reach the printer, with the size field given.
    std::string Download(bool extended, const std::string& field = "H000000E4")
    {
        std::string nt = kWriteNT.substr(0, 44) + field + "\n";
        std::string nv = kWriteNV.substr(0, 44) + field + "\n";
        return kExit + (extended ? kJobHeader : "") + nt + Text(t) + kExit + nv + Text(v) + kExit;
    }

    // Refused with IDS_ERR_PRINT_FAILED before any job exists.
    void ExpectRefused(const std::string& version, DWORD length)
    {
        t = Table(length, 3);
        v = Table(length, 101);
        CPrint print;
        print.SetPrinterName(kPrinter);
        int shown = 0;
        CPrint::PrintMessageHandler previous = CPrint::SetPrintMessageHandler([&] { ++shown; });
        EXPECT_EQ(ThrownId([&] { print.SendRawJob(version, kPrintFile, t.data(), v.data(), length); }),
                  IDS_ERR_PRINT_FAILED);
        CPrint::SetPrintMessageHandler(previous);
        EXPECT_EQ(shown, 0);
        EXPECT_TRUE(machine.Jobs().empty());
    }

    std::string faults;  // the printer's, set before SetUp
    SimMachine machine;
    std::string file = "\x1B" "E@PJL ENTER LANGUAGE=PCL\r\npage\f";
    std::vector<BYTE> t;
    std::vector<BYTE> v;
};

TEST_F(RawDownloadTest, BasicSequenceForVersion330)
{
    SimJob job = SendTables("3.30");
    EXPECT_EQ(job.document, "test.prn");
    EXPECT_EQ(job.datatype, "RAW");
    EXPECT_EQ(job.state, "printed");
    ASSERT_EQ(job.bytes.size(), 591u + file.size());
    EXPECT_EQ(job.bytes, Download(false) + file);
    EXPECT_EQ(job.writes, (std::vector<size_t>{1, 8, 54, 228, 1, 8, 54, 228, 1, 8, file.size()}));
    // One raw byte stream: no page calls.
    EXPECT_EQ(job.StartPages(), 0);
}

TEST_F(RawDownloadTest, ExtendedSequenceForVersion331)
{
    SimJob job = SendTables("3.31");
    ASSERT_EQ(kJobHeader.size(), 264u);
    ASSERT_EQ(job.bytes.size(), 591u + 264u + file.size());
    EXPECT_EQ(job.bytes, Download(true) + file);
    EXPECT_EQ(job.writes, (std::vector<size_t>{1, 8, 10, 38, 76, 80, 32, 28, 54, 228, 1, 8, 54, 228, 1, 8,
                                               file.size()}));
}

// The version text without its dots, read by its leading digits, selects the sequence.
class RawDownloadVersionTest : public RawDownloadTest,
                               public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(RawDownloadVersionTest, ChoosesTheSequence)
{
    SimJob job = SendTables(GetParam().first);
    EXPECT_EQ(job.bytes, Download(GetParam().second) + file);
}

INSTANTIATE_TEST_SUITE_P(Versions, RawDownloadVersionTest,
                         ::testing::Values(std::pair{"3.30", false}, std::pair{"3.31", true},
                                           std::pair{"3.4", false}, std::pair{"4.00", true},
                                           std::pair{"3.3.1", true}, std::pair{"331a", true},
                                           std::pair{"", false}, std::pair{"x3.31", false}));

TEST_F(RawDownloadTest, NineCharacterDataSizeReplacesTheWholeField)
{
    SetDataSize("3.30", "H00000100");
    SimJob job = SendTables("3.30", 256);
    EXPECT_EQ(job.bytes, Download(false, "H00000100") + file);
    EXPECT_NE(job.bytes.find("COLORAPPEARANCENT DATA=H00000100\n"), std::string::npos);
    EXPECT_NE(job.bytes.find("COLORAPPEARANCENV DATA=H00000100\n"), std::string::npos);
}

TEST_F(RawDownloadTest, EightCharacterDataSizeKeepsTheH)
{
    SetDataSize("3.31", "00000200");
    SimJob job = SendTables("3.31", 512);
    EXPECT_EQ(job.bytes, Download(true, "H00000200") + file);
}

// The printer reads as many table bytes as the line announces: any other count would make it
// read commands as table bytes or table bytes as commands.
TEST_F(RawDownloadTest, TablesOfAnotherSizeThanAnnouncedAreRefused)
{
    ExpectRefused("3.30", 227);
    ExpectRefused("3.31", 229);
    ExpectRefused("3.31", 258);
    SetDataSize("3.30", "00000228");  // hexadecimal: 552 bytes
    ExpectRefused("3.30", 228);
    // No size field at all: the printer would be told anything.
    const std::string notASize[] = {"E4", "0000000E4", "X000000E4", "H0000 0E4", "-00000E4", std::string(80, '9')};
    for (const std::string& text : notASize) {
        SCOPED_TRACE(text);
        SetDataSize("3.30", text);
        ExpectRefused("3.30", 228);
    }
}

TEST_F(RawDownloadTest, ReplacementDoesNotCarryOverToTheNextJob)
{
    SetDataSize("3.30", "H00000004");
    CPrint print;
    print.SetPrinterName(kPrinter);
    t = Table(4, 1);
    v = Table(4, 2);
    print.SendRawJob("3.30", kPrintFile, t.data(), v.data(), 4);
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].bytes, Download(false, "H00000004") + file);
    machine.ClearJobs();
    const SimJob next = SendTables("3.31");
    EXPECT_EQ(next.bytes, Download(true) + file);
}

TEST_F(RawDownloadTest, WithoutBothTablesOnlyTheFileIsSent)
{
    std::vector<BYTE> table = Table(228, 5);
    SimJob job = Send("3.31", nullptr, nullptr, 0);
    EXPECT_EQ(job.bytes, file);
    EXPECT_EQ(job.writes, std::vector<size_t>{file.size()});
    machine.ClearJobs();
    job = Send("3.31", table.data(), nullptr, 228);
    EXPECT_EQ(job.bytes, file);
    machine.ClearJobs();
    job = Send("3.31", nullptr, table.data(), 228);
    EXPECT_EQ(job.bytes, file);
}

TEST_F(RawDownloadTest, FileIsSentInPiecesOf4096Bytes)
{
    std::string big(8192, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 251);
    machine.WriteFile(kPrintFile, big);
    SimJob job = Send("3.30", nullptr, nullptr, 0);
    EXPECT_EQ(job.writes, (std::vector<size_t>{4096, 4096}));
    EXPECT_EQ(job.bytes, big);

    machine.ClearJobs();
    machine.WriteFile(kPrintFile, big + "!");
    job = Send("3.30", nullptr, nullptr, 0);
    EXPECT_EQ(job.writes, (std::vector<size_t>{4096, 4096, 1}));
    EXPECT_EQ(job.bytes, big + "!");

    machine.ClearJobs();
    machine.WriteFile(kPrintFile, "");
    job = Send("3.30", nullptr, nullptr, 0);
    EXPECT_EQ(job.writes, std::vector<size_t>{0});
    EXPECT_EQ(job.state, "printed");
}

TEST_F(RawDownloadTest, LargeTablesArePiecedLikeAnyData)
{
    SetDataSize("3.30", "00001388");
    SimJob job = SendTables("3.30", 5000);
    EXPECT_EQ(job.bytes, Download(false, "H00001388") + file);
    EXPECT_EQ(job.writes, (std::vector<size_t>{1, 8, 54, 4096, 904, 1, 8, 54, 4096, 904, 1, 8, file.size()}));
}

TEST_F(RawDownloadTest, MissingPrintFileCancelsTheJob)
{
    ASSERT_TRUE(DeleteFileA(kPrintFile));
    t = Table(228, 1);
    v = Table(228, 2);
    CPrint print;
    print.SetPrinterName(kPrinter);
    try {
        print.SendRawJob("3.30", kPrintFile, t.data(), v.data(), 228);
        FAIL() << "no exception";
    } catch (const CmyException& e) {
        EXPECT_EQ(e.GetTextId(), IDS_ERR_PAGE_NOT_FOUND);
    }
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, "aborted");
    EXPECT_FALSE(jobs[0].ended);
    EXPECT_EQ(jobs[0].bytes, Download(false));

    // The printer was closed and released: the same object sends the next job.
    machine.WriteFile(kPrintFile, file);
    print.SendRawJob("3.30", kPrintFile, nullptr, nullptr, 0);
    jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[1].state, "printed");
}

TEST_F(RawDownloadTest, UnknownPrinterRaises530)
{
    CPrint print;
    print.SetPrinterName("No Such Printer");
    try {
        print.SendRawJob("3.30", kPrintFile, nullptr, nullptr, 0);
        FAIL() << "no exception";
    } catch (const CmyException& e) {
        EXPECT_EQ(e.GetTextId(), IDS_ERR_PRINTER_NOT_OPENED);
    }
    EXPECT_TRUE(machine.Jobs().empty());
}

TEST_F(RawDownloadTest, JobThatCannotStartRaises531)
{
    // The spool folder cannot be created where a file stands.
    machine.Set("Machine", "SpoolFolder", "C:\\Blocked\\Spool");
    machine.Apply();
    machine.WriteFile("C:\\Blocked", "file");
    machine.WriteFile(kUtilityIni, "[CCMVer3.30]\r\n");
    machine.WriteFile(kPrintFile, file);
    CPrint print;
    print.SetPrinterName(kPrinter);
    try {
        print.SendRawJob("3.30", kPrintFile, nullptr, nullptr, 0);
        FAIL() << "no exception";
    } catch (const CmyException& e) {
        EXPECT_EQ(e.GetTextId(), IDS_ERR_PRINT_FAILED);
    }
}

TEST_F(RawDownloadTest, PrintMessageComesBeforeTheJob)
{
    int shown = 0;
    size_t jobsWhenShown = 99;
    CPrint::PrintMessageHandler previous = CPrint::SetPrintMessageHandler([&] {
        ++shown;
        jobsWhenShown = machine.Jobs().size();
    });
    SimJob job = SendTables("3.30");
    CPrint::SetPrintMessageHandler(previous);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(jobsWhenShown, 0u);
    EXPECT_EQ(job.bytes, Download(false) + file);
}

// ---- The shipped utility INI ---------------------------------------------------------------------

// The bytes after the WRITE line of locate, as many as its size field announces, and whether the
// universal exit follows them.
std::string AnnouncedBytes(const std::string& job, const std::string& locate, bool& exitFollows)
{
    const std::string head = "@PJL ZANWRITE LOCATE:" + locate + " DATA=H";
    const size_t at = job.find(head);
    exitFollows = false;
    if (at == std::string::npos || job.size() < at + head.size() + 9) return "<no line>";
    const size_t size = std::stoul(job.substr(at + head.size(), 8), nullptr, 16);
    const size_t start = at + head.size() + 9;
    if (job.size() < start + size) return "<short>";
    exitFollows = job.compare(start + size, kExit.size(), kExit) == 0;
    return job.substr(start, size);
}

TEST_F(RawDownloadTest, ThePackagedIniAnnouncesTheBytesThatFollow)
{
    std::ifstream packaged(TAVREL_PACKAGE_INI, std::ios::binary);
    ASSERT_TRUE(packaged) << TAVREL_PACKAGE_INI;
    const std::string ini(std::istreambuf_iterator<char>(packaged), {});
    machine.WriteFile(kUtilityIni, ini);
    int rawModels = 0;
    const std::string head = "\n[CCMVer";
    for (size_t at = ini.find(head); at != std::string::npos; at = ini.find(head, at + 1)) {
        const size_t start = at + head.size();
        const std::string version = ini.substr(start, ini.find(']', start) - start);
        if (CIniUtility().GetVersionValue(version, "PrintMode") != "RAW") continue;
        SCOPED_TRACE(version);
        ++rawModels;
        machine.ClearJobs();
        const SimJob job = SendTables(version, static_cast<DWORD>(CModelTableSize::ForKind(version, 1)));
        bool exitFollows = false;
        EXPECT_EQ(AnnouncedBytes(job.bytes, "COLORAPPEARANCENT", exitFollows), Text(t));
        EXPECT_TRUE(exitFollows);
        EXPECT_EQ(AnnouncedBytes(job.bytes, "COLORAPPEARANCENV", exitFollows), Text(v));
        EXPECT_TRUE(exitFollows);
    }
    EXPECT_EQ(rawModels, 3);
}

// ---- A printer that takes part of a block, or cannot end a document -----------------------------

class PartialWritePrinterTest : public RawDownloadTest {
protected:
    void SetUp() override
    {
        faults = "PartialWrite";
        RawDownloadTest::SetUp();
    }
};

TEST_F(PartialWritePrinterTest, EveryBlockIsContinuedWhereThePrinterStopped)
{
    machine.WriteFile(kPrintFile, file + std::string(4100, 'p'));
    file += std::string(4100, 'p');
    SimJob job = SendTables("3.31");
    EXPECT_EQ(job.bytes, Download(true) + file);
    EXPECT_EQ(job.state, "printed");
    EXPECT_GT(job.writes.size(), 30u) << "the printer took whole blocks";
}

class FailingEndDocPrinterTest : public RawDownloadTest {
protected:
    void SetUp() override
    {
        faults = "EndDocPrinter";
        RawDownloadTest::SetUp();
    }
};

TEST_F(FailingEndDocPrinterTest, AJobTheSpoolerDidNotTakeIsAFailureAndIsCancelled)
{
    t = Table(228, 1);
    v = Table(228, 2);
    CPrint print;
    print.SetPrinterName(kPrinter);
    EXPECT_EQ(ThrownId([&] { print.SendRawJob("3.30", kPrintFile, t.data(), v.data(), 228); }), IDS_ERR_PRINT_FAILED);
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, "aborted");
}

}  // namespace
