// Raw print jobs through the spooler to a printer whose port is a file: the real spooler under
// Wine writes a printed job's bytes there, the simulated one does the same, so the bytes of the
// colour-appearance download can be compared on both targets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "printer/CPrint.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kDriver[] = "TvRaw Port Driver";
const char kPrinter[] = "TvRaw Port Printer";
const char* const kDriverFiles[] = {"TVRAWDRV.DLL", "TVRAWUI.DLL", "TVRAW.GPD"};

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

class RawJobPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
#endif
        char buffer[MAX_PATH + 1] = {};
        ASSERT_GT(GetCurrentDirectoryA(sizeof buffer, buffer), 0u);
        savedDirectory = buffer;
        ASSERT_GT(GetTempPathA(sizeof buffer, buffer), 0u);
        root = TempFolder::WithSlash(buffer) + "TvRawJobTest";
        RemovePrinter();
        TempFolder::RemoveTree(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
        ASSERT_TRUE(CreateDirectoryA((root + "\\Tintora").c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
        ASSERT_TRUE(WritePrivateProfileStringA("CCMVer3.31", "DataSize", "00000200",
                                               (root + "\\Tintora\\Tavrel.ini").c_str()));
        port = root + "\\port.prn";
        pageFile = root + "\\page.prn";
        Install();
    }

    void TearDown() override
    {
        RemovePrinter();
        SetCurrentDirectoryA(savedDirectory.c_str());
        TempFolder::RemoveTree(root);
    }

    void Install()
    {
        DWORD needed = 0;
        char buffer[MAX_PATH + 1] = {};
        ASSERT_TRUE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer), sizeof buffer,
                                               &needed));
        driverFolder = TempFolder::WithSlash(buffer);
        for (const char* file : kDriverFiles) ASSERT_TRUE(WriteBytes(driverFolder + file, "x"));
        std::string driverPath = driverFolder + kDriverFiles[0];
        std::string configPath = driverFolder + kDriverFiles[1];
        std::string dataPath = driverFolder + kDriverFiles[2];
        DRIVER_INFO_3A driver = {};
        driver.cVersion = 3;
        driver.pName = const_cast<LPSTR>(kDriver);
        driver.pDriverPath = driverPath.data();
        driver.pConfigFile = configPath.data();
        driver.pDataFile = dataPath.data();
        ASSERT_TRUE(AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES));

        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<LPSTR>(kPrinter);
        info.pPortName = port.data();
        info.pDriverName = const_cast<LPSTR>(kDriver);
        info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
        info.pDatatype = const_cast<LPSTR>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        ASSERT_NE(printer, nullptr) << GetLastError();
        ClosePrinter(printer);
    }

    void RemovePrinter()
    {
        HANDLE printer = nullptr;
        std::string name = kPrinter;
        if (OpenPrinterA(name.data(), &printer, nullptr)) {
            DeletePrinter(printer);
            ClosePrinter(printer);
        }
#ifdef _WIN32
        std::string driver = kDriver;
        DeletePrinterDriverA(nullptr, nullptr, driver.data());
#endif
        for (const char* file : kDriverFiles) {
            if (!driverFolder.empty()) DeleteFileA((driverFolder + file).c_str());
            if (!driverFolder.empty()) DeleteFileA((driverFolder + "3\\" + file).c_str());
        }
    }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    std::string savedDirectory;
    std::string root;
    std::string driverFolder;
    std::string port;
    std::string pageFile;
};

TEST_F(RawJobPortTest, ColourDownloadAndFileReachThePort)
{
    std::string page = "\x1B" "E@PJL ENTER LANGUAGE=PCL\r\n" + std::string(5000, 'p') + "\f";
    ASSERT_TRUE(WriteBytes(pageFile, page));
    // The model's "DataSize" announces 0x200 bytes: tables of that size follow.
    std::vector<BYTE> t(512);
    std::vector<BYTE> v(512);
    for (size_t i = 0; i < t.size(); ++i) {
        t[i] = static_cast<BYTE>(i);
        v[i] = static_cast<BYTE>(255 - i);
    }
    CPrint print;
    print.SetPrinterName(kPrinter);
    print.SendRawJob("3.31", pageFile, t.data(), v.data(), 512);

    const std::string exit = "\x1B%-12345X";
    const std::string code = "\"5c0d2e41a98b7f3316e4d0a2b7c95f18e2d64a03\"";
    std::string expected = exit + "@PJL JOB\r\n@PJL ZANUSERREQUIREMENT LANGUAGE=MJL\r\n" +
                           "@PJL ZANACCESSCONTROL ID=" + code + " TYPE=1\r\n" +
                           "@PJL ZANLOGIN AUTHTYPE=1 PIN=" + code + " TYPE=1\r\n" +
                           "@PJL ZANMFPJOB TYPE=PCPRINTJOB\r\n@PJL ZANENDOFSYSTEMCOMMAND\r\n" +
                           "@PJL ZANWRITE LOCATE:COLORAPPEARANCENT DATA=H00000200\n" +
                           std::string(t.begin(), t.end()) + exit +
                           "@PJL ZANWRITE LOCATE:COLORAPPEARANCENV DATA=H00000200\n" +
                           std::string(v.begin(), v.end()) + exit + page;
    EXPECT_EQ(ReadBytes(port), expected);
}

TEST_F(RawJobPortTest, FileWithoutTablesIsSentUnchanged)
{
    std::string page(8192, '\0');
    for (size_t i = 0; i < page.size(); ++i) page[i] = static_cast<char>(i * 13);
    ASSERT_TRUE(WriteBytes(pageFile, page));
    CPrint print;
    print.SetPrinterName(kPrinter);
    print.SendRawJob("3.30", pageFile, nullptr, nullptr, 0);
    EXPECT_EQ(ReadBytes(port), page);
}

TEST_F(RawJobPortTest, SpoolerShowsTheJobWhileItIsWritten)
{
    HANDLE printer = nullptr;
    std::string name = kPrinter;
    ASSERT_TRUE(OpenPrinterA(name.data(), &printer, nullptr));
    DOC_INFO_1A doc = {const_cast<LPSTR>("shown.prn"), nullptr, const_cast<LPSTR>("RAW")};
    DWORD id = StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc));
    ASSERT_NE(id, 0u);
    DWORD written = 0;
    ASSERT_TRUE(WritePrinter(printer, const_cast<char*>("first,"), 6, &written));
    EXPECT_EQ(written, 6u);

    DWORD needed = 0;
    EXPECT_FALSE(GetJobA(printer, id, 1, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ASSERT_GE(needed, sizeof(JOB_INFO_1A));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetJobA(printer, id, 1, buffer.data(), needed, &needed));
    const auto* job = reinterpret_cast<JOB_INFO_1A*>(buffer.data());
    EXPECT_EQ(job->JobId, id);
    EXPECT_STREQ(job->pDocument, "shown.prn");
    EXPECT_STREQ(job->pPrinterName, kPrinter);

    ASSERT_TRUE(WritePrinter(printer, const_cast<char*>("second"), 6, &written));
    EXPECT_EQ(ReadBytes(port), "<missing>");
    ASSERT_TRUE(EndDocPrinter(printer));
    EXPECT_EQ(ReadBytes(port), "first,second");
    EXPECT_FALSE(EndDocPrinter(printer));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SPL_NO_STARTDOC));

    // Closing the printer ends a document left open. (Wine writes over a file port without
    // shortening it, so the port file is removed first.)
    ASSERT_TRUE(DeleteFileA(port.c_str()));
    ASSERT_NE(StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
    ASSERT_TRUE(WritePrinter(printer, const_cast<char*>("closed"), 6, &written));
    ASSERT_TRUE(ClosePrinter(printer));
    EXPECT_EQ(ReadBytes(port), "closed");
}

}  // namespace
