#include "support/SpoolerPrinter.h"

#include <gtest/gtest.h>

#include "platform/win32api.h"
#include "support/TempFolder.h"

namespace {

const char kDriverFile[] = "TVSPLDRV.DLL";
const char kConfigFile[] = "TVSPLUI.DLL";
const char kDataFile[] = "TVSPL.GPD";

}  // namespace

SpoolerPrinter::SpoolerPrinter(const std::string& driver, const std::string& printer)
    : m_driver(driver), m_printer(printer)
{
    char buffer[MAX_PATH + 1] = {};
    DWORD needed = 0;
    EXPECT_TRUE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer), sizeof buffer,
                                           &needed));
    m_sourceFolder = TempFolder::WithSlash(buffer);
    m_installedFolder = m_sourceFolder + "3\\";
    RemoveLeftovers();
}

SpoolerPrinter::~SpoolerPrinter()
{
    RemoveLeftovers();
}

std::string SpoolerPrinter::Source(const std::string& fileName)
{
    m_sourceFiles.push_back(fileName);
    return m_sourceFolder + fileName;
}

void SpoolerPrinter::Install(const std::vector<std::string>& dependentFiles)
{
    for (const char* file : {kDriverFile, kConfigFile, kDataFile}) WriteText(Source(file), "x");
    std::string list;
    for (const std::string& name : dependentFiles) {
        list += name;
        list += '\0';
        const std::string file = FilePart(name);
        m_copiedFiles.push_back(file);
        // Every listed file exists where the spooler copies from, whatever folder is listed.
        if (GetFileAttributesA(Source(file).c_str()) == INVALID_FILE_ATTRIBUTES) WriteText(Source(file), "x");
    }
    list += '\0';

    std::string driverPath = m_sourceFolder + kDriverFile;
    std::string configPath = m_sourceFolder + kConfigFile;
    std::string dataPath = m_sourceFolder + kDataFile;
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = m_driver.data();
    driver.pDriverPath = driverPath.data();
    driver.pDataFile = dataPath.data();
    driver.pConfigFile = configPath.data();
    driver.pDependentFiles = list.data();
    ASSERT_TRUE(AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES));

    PRINTER_INFO_2A info = {};
    info.pPrinterName = m_printer.data();
    info.pPortName = const_cast<LPSTR>("LPT1:");
    info.pDriverName = m_driver.data();
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr) << GetLastError();
    ClosePrinter(printer);
}

void SpoolerPrinter::RemoveLeftovers()
{
    HANDLE printer = nullptr;
    if (OpenPrinterA(m_printer.data(), &printer, nullptr)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
#ifdef _WIN32
    DeletePrinterDriverA(nullptr, nullptr, m_driver.data());
#endif
    for (const char* file : {kDriverFile, kConfigFile, kDataFile}) DeleteFileA((m_installedFolder + file).c_str());
    for (const std::string& file : m_copiedFiles) DeleteFileA((m_installedFolder + file).c_str());
    for (const std::string& file : m_sourceFiles) DeleteFileA((m_sourceFolder + file).c_str());
}

void SpoolerPrinter::WriteText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string SpoolerPrinter::FilePart(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
