// Registers a driver and a printer on it through the spooler, as a driver installer would, so
// that a script can try the installed product on a printer in a Wine prefix.
//
//   TavrelAddPrinter PRINTER DRIVER FILE...
//
// Each FILE (a capability file, a catalogue, ...) is copied into the spooler's driver folder and
// listed among the driver's dependent files; the driver's own files are placeholders.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

int Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "TavrelAddPrinter: %s failed (%lu): %s\n", what, GetLastError(), detail.c_str());
    return 1;
}

std::string FilePart(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WritePlaceholder(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, "driver", 6, &written, nullptr);
    CloseHandle(file);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: TavrelAddPrinter PRINTER DRIVER FILE...\n");
        return 2;
    }
    std::string printerName = argv[1];
    std::string driverName = argv[2];

    char folder[MAX_PATH + 1] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof folder, &needed)) {
        return Fail("GetPrinterDriverDirectoryA", "");
    }
    const std::string source = std::string(folder) + "\\";

    std::string dependentFiles;
    for (int i = 3; i < argc; ++i) {
        const std::string name = FilePart(argv[i]);
        if (!CopyFileA(argv[i], (source + name).c_str(), FALSE)) return Fail("CopyFileA", argv[i]);
        dependentFiles += name;
        dependentFiles += '\0';
    }
    dependentFiles += '\0';

    std::string driverPath = source + "TVPKGDRV.DLL";
    std::string configPath = source + "TVPKGUI.DLL";
    std::string dataPath = source + "TVPKG.GPD";
    for (const std::string* path : {&driverPath, &configPath, &dataPath}) {
        if (!WritePlaceholder(*path)) return Fail("CreateFileA", *path);
    }

    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = driverName.data();
    driver.pDriverPath = driverPath.data();
    driver.pDataFile = dataPath.data();
    driver.pConfigFile = configPath.data();
    driver.pDependentFiles = dependentFiles.data();
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES)) {
        return Fail("AddPrinterDriverExA", driverName);
    }

    PRINTER_INFO_2A info = {};
    info.pPrinterName = printerName.data();
    info.pPortName = const_cast<LPSTR>("LPT1:");
    info.pDriverName = driverName.data();
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (!printer) return Fail("AddPrinterA", printerName);
    ClosePrinter(printer);
    std::printf("Printer \"%s\" on driver \"%s\" registered\n", printerName.c_str(), driverName.c_str());
    return 0;
}
