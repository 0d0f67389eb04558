// The simulated machine itself: the description, path mapping, state resets, read-only files,
// libraries, and spooler records built from the description.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/posix/Simulation.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "support/SimMachine.h"

namespace {

std::string HostOf(const std::string& windowsPath)
{
    char buffer[4096];
    DWORD n = SimMachineHostPath(windowsPath.c_str(), buffer, sizeof buffer);
    return std::string(buffer, n);
}

std::string CurrentDirectory()
{
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

constexpr WORD kSystemExclamationIcon = 32515;  // the system's IDI_EXCLAMATION

class SimPlatformTest : public ::testing::Test {
protected:
    SimMachine machine;
};

TEST_F(SimPlatformTest, MachineFactsComeFromTheDescription)
{
    machine.Set("Machine", "ComputerName", "OFFICE");
    machine.Set("Machine", "UILanguage", "0x0407");
    machine.Set("Machine", "ExePath", "C:\\Apps\\Tool\\run.exe");
    machine.Set("OsVersion", "MajorVersion", "6");
    machine.Set("OsVersion", "MinorVersion", "1");
    machine.Set("OsVersion", "BuildNumber", "7601");
    machine.Set("OsVersion", "CSDVersion", "Service Pack 1");
    machine.Apply();

    char name[16];
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_STREQ(name, "OFFICE");
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(GetUserDefaultUILanguage(), 0x0407);
    char exe[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(nullptr, exe, MAX_PATH), 20u);
    EXPECT_STREQ(exe, "C:\\Apps\\Tool\\run.exe");

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwMajorVersion, 6u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_EQ(info.dwBuildNumber, 7601u);
    EXPECT_EQ(info.dwPlatformId, 2u);
    EXPECT_STREQ(info.szCSDVersion, "Service Pack 1");
    // The extended record (eight more bytes) is accepted too.
    struct {
        OSVERSIONINFOA plain;
        BYTE extra[8];
    } extended{};
    extended.plain.dwOSVersionInfoSize = sizeof extended;
    EXPECT_TRUE(GetVersionExA(&extended.plain));
    EXPECT_EQ(extended.plain.dwBuildNumber, 7601u);
}

TEST_F(SimPlatformTest, WindowsPathsMapToHostPaths)
{
    const std::string c = machine.Root() + "/c";
    EXPECT_EQ(HostOf("C:\\Host\\file.txt"), c + "/Host/file.txt");
    EXPECT_EQ(HostOf("c:/Host//file.txt"), c + "/Host/file.txt");
    EXPECT_EQ(HostOf("C:\\Host\\sub\\..\\.\\file.txt"), c + "/Host/file.txt");
    EXPECT_EQ(HostOf("C:\\..\\..\\x"), c + "/x");
    EXPECT_EQ(HostOf("\\Windows"), c + "/Windows");           // rooted on the current drive
    EXPECT_EQ(HostOf("rel\\f.ini"), c + "/Host/rel/f.ini");  // against the current directory
    EXPECT_EQ(HostOf("C:rel"), c + "/Host/rel");              // drive-relative, same drive
    EXPECT_EQ(HostOf("Z:\\tmp"), "/tmp");
    EXPECT_EQ(HostOf("name. "), c + "/Host/name");            // trailing dots and blanks dropped
    EXPECT_EQ(HostOf("Q:\\unmapped"), "");
    EXPECT_EQ(HostOf("\\\\server\\share\\x"), "");

    char small[4] = "abc";
    DWORD needed = SimMachineHostPath("C:\\Host", small, sizeof small);
    EXPECT_EQ(needed, c.size() + 6);
    EXPECT_EQ(small[0], '\0');
}

TEST_F(SimPlatformTest, ComponentsMatchWithoutCaseExactFirst)
{
    machine.WriteFile("C:\\Data\\MiXed\\File.TXT", "one");
    EXPECT_EQ(HostOf("c:\\DATA\\mixed\\file.txt"), machine.Root() + "/c/Data/MiXed/File.TXT");
    EXPECT_NE(GetFileAttributesA("C:\\data\\MIXED\\file.txt"), INVALID_FILE_ATTRIBUTES);
    // The folder as written, only the file name in another case; then missing files.
    EXPECT_EQ(HostOf("C:\\Data\\MiXed\\FILE.txt"), machine.Root() + "/c/Data/MiXed/File.TXT");
    EXPECT_EQ(GetFileAttributesA("C:\\Data\\MiXed\\none.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), 2u);
    EXPECT_EQ(GetFileAttributesA("C:\\Data\\none\\none.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), 3u);

    // Two names that differ only in case: the exact one wins.
    std::filesystem::create_directories(machine.Root() + "/c/Data/mixed");
    EXPECT_EQ(HostOf("C:\\Data\\mixed"), machine.Root() + "/c/Data/mixed");
    EXPECT_EQ(HostOf("C:\\Data\\MiXed"), machine.Root() + "/c/Data/MiXed");

    // A new file keeps the name as given inside the folder found.
    HANDLE file = CreateFileA("C:\\DATA\\MIXED\\New.Txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(std::filesystem::exists(machine.Root() + "/c/Data/MiXed/New.Txt"));
}

TEST_F(SimPlatformTest, UnmappedDrivesAndNetworkPathsAreMissingFolders)
{
    SetLastError(0);
    EXPECT_EQ(CreateFileA("Q:\\x.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 3u);
    EXPECT_FALSE(CreateDirectoryA("\\\\server\\share\\x", nullptr));
    EXPECT_EQ(GetLastError(), 3u);
}

TEST_F(SimPlatformTest, CurrentDirectoryIsSimulated)
{
    EXPECT_EQ(CurrentDirectory(), "C:\\Host");
    ASSERT_TRUE(CreateDirectoryA("Sub", nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA("sub"));
    EXPECT_EQ(CurrentDirectory(), "C:\\Host\\sub");
    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ(CurrentDirectory(), "C:\\Host");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(CurrentDirectory(), "C:\\");
    EXPECT_FALSE(RemoveDirectoryA("C:\\"));
}

TEST_F(SimPlatformTest, ReloadResetsState)
{
    machine.WriteFile("C:\\Host\\f.txt", "abc");
    HANDLE file = CreateFileA("C:\\Host\\f.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Windows"));
    SetLastError(42);

    SimMachineReload();
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(CurrentDirectory(), "C:\\Host");
    char buffer[4];
    DWORD done = 0;
    EXPECT_FALSE(ReadFile(file, buffer, 3, &done, nullptr));
    EXPECT_EQ(GetLastError(), 6u);
    EXPECT_FALSE(CloseHandle(file));
}

TEST_F(SimPlatformTest, ReadOnlyFilesAreProtectedEvenForRoot)
{
    machine.WriteFile("C:\\Host\\ro.ini", "[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesA("C:\\Host\\ro.ini", FILE_ATTRIBUTE_READONLY));
    struct stat st;
    ASSERT_EQ(::stat(machine.HostPath("C:\\Host\\ro.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u) << "read-only clears every write bit";

    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "2", "C:\\Host\\ro.ini"));
    EXPECT_EQ(GetLastError(), 5u);
    EXPECT_FALSE(DeleteFileA("C:\\Host\\ro.ini"));
    EXPECT_EQ(GetLastError(), 5u);
    EXPECT_EQ(CreateFileA("C:\\Host\\ro.ini", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 5u);
    ASSERT_TRUE(CopyFileA("C:\\Host\\ro.ini", "C:\\Host\\copy.ini", FALSE));
    EXPECT_NE(GetFileAttributesA("C:\\Host\\copy.ini") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(machine.ReadFile("C:\\Host\\ro.ini"), "[S]\r\nk=1\r\n");

    ASSERT_TRUE(SetFileAttributesA("C:\\Host\\ro.ini", FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "2", "C:\\Host\\ro.ini"));
}

TEST_F(SimPlatformTest, ProfileEditsKeepUntouchedLinesByteForByte)
{
    machine.WriteFile("C:\\Host\\p.ini", "; top\n[A]\nx = 1   ; note\n\n[B]\ny=2");
    ASSERT_TRUE(WritePrivateProfileStringA("A", "new", "n", "C:\\Host\\p.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("B", "z", "3", "C:\\Host\\p.ini"));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\p.ini"), "; top\n[A]\nx = 1   ; note\nnew=n\n\n[B]\ny=2\nz=3\n");
    ASSERT_TRUE(WritePrivateProfileStringA("A", "x", "9", "C:\\Host\\p.ini"));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\p.ini"), "; top\n[A]\nx=9\nnew=n\n\n[B]\ny=2\nz=3\n");
}

TEST_F(SimPlatformTest, ProfileWithByteOrderMarkReadsItsFirstSection)
{
    machine.WriteFile("C:\\Host\\bom.ini", "\xEF\xBB\xBF[First]\r\nk=1\r\n");
    char buffer[8] = {};
    EXPECT_EQ(GetPrivateProfileStringA("First", "k", "", buffer, sizeof buffer, "C:\\Host\\bom.ini"), 1u);
    EXPECT_STREQ(buffer, "1");
}

TEST_F(SimPlatformTest, BareProfileNamesLiveInTheWindowsFolder)
{
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v", "tv.ini"));
    EXPECT_EQ(machine.ReadFile("C:\\Windows\\tv.ini"), "[S]\r\nk=v\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "here", ".\\tv.ini"));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\tv.ini"), "[S]\r\nk=here\r\n");
}

TEST_F(SimPlatformTest, LibrariesAreFoundInTheWindowsSearchOrder)
{
    const std::string stand = std::string(TAVREL_BIN_DIR) + "/vemrload.dll";
    ASSERT_TRUE(std::filesystem::exists(stand)) << stand;
    machine.RemoveLibraries();

    // From LibraryPath: reported through the Z: drive.
    HMODULE fromPath = LoadLibraryA("vemrload");
    ASSERT_NE(fromPath, nullptr);
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(fromPath, path, MAX_PATH), 0u);
    EXPECT_EQ(std::string(path).rfind("Z:\\", 0), 0u) << path;
    EXPECT_TRUE(FreeLibrary(fromPath));
    EXPECT_FALSE(FreeLibrary(fromPath));

    // The executable's folder comes first, matched without regard to case.
    std::filesystem::copy_file(stand, machine.Root() + "/c/Host/VemrLoad.DLL");
    HMODULE fromExe = LoadLibraryA("VEMRLOAD");
    ASSERT_NE(fromExe, nullptr);
    ASSERT_GT(GetModuleFileNameA(fromExe, path, MAX_PATH), 0u);
    EXPECT_STREQ(path, "C:\\Host\\VemrLoad.DLL");
    EXPECT_NE(GetProcAddress(fromExe, "VmLoadString"), nullptr);
    EXPECT_TRUE(FreeLibrary(fromExe));

    // Then the current directory; a name with a folder is that file only.
    machine.WriteFile("C:\\Work\\placeholder", "");
    std::filesystem::copy_file(stand, machine.Root() + "/c/Work/other.dll");
    EXPECT_EQ(LoadLibraryA("other"), nullptr);
    EXPECT_EQ(GetLastError(), 126u);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Work"));
    HMODULE fromCurrent = LoadLibraryA("other.dll");
    ASSERT_NE(fromCurrent, nullptr);
    EXPECT_TRUE(FreeLibrary(fromCurrent));
    HMODULE byPath = LoadLibraryA("C:\\work\\OTHER");
    ASSERT_NE(byPath, nullptr);
    EXPECT_TRUE(FreeLibrary(byPath));

    // A file that is not a shared object.
    machine.WriteFile("C:\\Host\\broken.dll", "MZ not really");
    EXPECT_EQ(LoadLibraryA("broken"), nullptr);
    EXPECT_EQ(GetLastError(), 193u);
}

TEST_F(SimPlatformTest, SearchFlagsAndTheProcessDefaultLeaveOutTheCurrentFolderAndPath)
{
    const std::string stand = std::string(TAVREL_BIN_DIR) + "/vemrload.dll";
    machine.RemoveLibraries();
    machine.WriteFile("C:\\Work\\placeholder", "");
    std::filesystem::copy_file(stand, machine.Root() + "/c/Work/here.dll");
    std::filesystem::copy_file(stand, machine.Root() + "/c/Windows/System32/sys.dll");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Work"));
    const DWORD flags = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;

    EXPECT_EQ(LoadLibraryExA("here.dll", nullptr, flags), nullptr);
    EXPECT_EQ(LoadLibraryExA("vemrload.dll", nullptr, flags), nullptr);  // on PATH only
    EXPECT_EQ(LoadLibraryExA(".\\here.dll", nullptr, flags), nullptr);
    EXPECT_EQ(GetLastError(), 87u);  // a relative path has no folder of its own
    for (const char* found : {"sys", "C:\\Work\\here.dll"}) {
        HMODULE module = LoadLibraryExA(found, nullptr, flags);
        EXPECT_NE(module, nullptr) << found;
        if (module) FreeLibrary(module);
    }

    EXPECT_FALSE(SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR));
    EXPECT_EQ(GetLastError(), 87u);
    ASSERT_TRUE(SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS));
    EXPECT_EQ(LoadLibraryA("here.dll"), nullptr);
    EXPECT_EQ(LoadLibraryA("vemrload.dll"), nullptr);
    HMODULE system = LoadLibraryA("sys");
    EXPECT_NE(system, nullptr);
    if (system) FreeLibrary(system);

    // A reload starts a new process: the standard search again.
    machine.Apply();
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Work"));
    HMODULE again = LoadLibraryA("here.dll");
    EXPECT_NE(again, nullptr);
    if (again) FreeLibrary(again);
}

TEST_F(SimPlatformTest, LiveDrawingObjectsAreCountedUntilReleased)
{
    const DWORD before = SimMachineGdiObjects();
    // The program carries the library's resources, its icon among them.
    const HMODULE program = GetModuleHandleA(nullptr);
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto icon = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(IDI_APPICON), IMAGE_ICON, 0, 0, 0));
    ASSERT_TRUE(dc && icon);
    EXPECT_EQ(SimMachineGdiObjects(), before + 2);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));  // two bitmaps that the caller owns
    EXPECT_EQ(SimMachineGdiObjects(), before + 4);
    // The system's own icons are shared: nobody releases them, so they are not counted.
    const HICON shared = LoadIconA(nullptr, MAKEINTRESOURCEA(kSystemExclamationIcon));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(SimMachineGdiObjects(), before + 4);

    EXPECT_TRUE(DeleteObject(parts.hbmColor));
    EXPECT_TRUE(DeleteObject(parts.hbmMask));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(SimMachineGdiObjects(), before + 1);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(SimMachineGdiObjects(), before);
}

TEST_F(SimPlatformTest, DefaultMachineWithoutDescription)
{
    unsetenv("TAVREL_MACHINE");
    SimMachineReload();
    char exe[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
    EXPECT_EQ(std::string(exe).rfind("Z:\\", 0), 0u) << exe;
    EXPECT_EQ(CurrentDirectory().rfind("Z:\\", 0), 0u);
    EXPECT_EQ(HostOf("Z:\\etc"), "/etc");
    EXPECT_EQ(HostOf("C:\\x"), "");
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    EXPECT_EQ(std::string(temp).rfind("Z:\\", 0), 0u);
    machine.Apply();  // back to the test machine
    EXPECT_EQ(CurrentDirectory(), "C:\\Host");
}

// Spooler records built from the description.
class SimSpoolerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDriver driver;
        driver.name = "Tav Laser";
        driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\TAVDRV.DLL";
        driver.dataFile = "C:\\D\\TAV.PPD";
        driver.configFile = "C:\\D\\TAVUI.DLL";
        driver.dependentFiles = {"XVTAV.CAP", "C:\\D\\TAVCCM.INI"};
        machine.AddDriver(driver);
        SimDriver old = driver;
        old.name = "Old Laser";
        old.version = 2;
        old.environment = "Windows NT x86";
        old.dependentFiles.clear();
        machine.AddDriver(old);

        SimPrinter local;
        local.name = "Tav Laser Printer With A Rather Long Queue Name";
        local.driver = "Tav Laser";
        local.driverExtra = 40;
        machine.AddPrinter(local);
        SimPrinter remote;
        remote.name = "Shared Tav";
        remote.server = "PRINTSRV";
        remote.port = "\\\\PRINTSRV\\Shared Tav";
        remote.driver = "Tav Laser";
        remote.attributes = 0x10;
        machine.AddPrinter(remote);
        machine.Apply();
    }

    std::vector<BYTE> Enumerate(DWORD flags, DWORD level, DWORD& count)
    {
        DWORD needed = 0;
        count = 99;
        SetLastError(0);
        BOOL sized = EnumPrintersA(flags, nullptr, level, nullptr, 0, &needed, &count);
        if (needed == 0) {
            EXPECT_TRUE(sized);
            return {};
        }
        EXPECT_FALSE(sized);
        EXPECT_EQ(GetLastError(), 122u);
        EXPECT_EQ(count, 0u);
        std::vector<BYTE> buffer(needed, 0xCC);
        EXPECT_FALSE(EnumPrintersA(flags, nullptr, level, buffer.data(), needed - 1, &needed, &count));
        EXPECT_TRUE(EnumPrintersA(flags, nullptr, level, buffer.data(), needed, &needed, &count));
        return buffer;
    }

    // Every pointer of a record lies inside the buffer it was returned in.
    static void ExpectInside(const std::vector<BYTE>& buffer, const void* pointer)
    {
        if (!pointer) return;
        auto p = static_cast<const BYTE*>(pointer);
        EXPECT_GE(p, buffer.data());
        EXPECT_LT(p, buffer.data() + buffer.size());
    }

    SimMachine machine;
};

TEST_F(SimSpoolerTest, EnumerationChoosesLocalAndConnections)
{
    DWORD count = 0;
    std::vector<BYTE> all = Enumerate(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, 2, count);
    ASSERT_EQ(count, 2u);
    auto* records = reinterpret_cast<PRINTER_INFO_2A*>(all.data());
    EXPECT_EQ(records[0].pServerName, nullptr);
    EXPECT_STREQ(records[0].pPrinterName, "Tav Laser Printer With A Rather Long Queue Name");
    EXPECT_STREQ(records[0].pPortName, "LPT1:");
    EXPECT_STREQ(records[0].pDriverName, "Tav Laser");
    EXPECT_EQ(records[0].Attributes, 0x40u);
    EXPECT_STREQ(records[1].pServerName, "\\\\PRINTSRV");
    EXPECT_STREQ(records[1].pPrinterName, "\\\\PRINTSRV\\Shared Tav");
    EXPECT_STREQ(records[1].pPortName, "\\\\PRINTSRV\\Shared Tav");
    EXPECT_EQ(records[1].Attributes, 0x10u);
    for (DWORD i = 0; i < count; ++i) {
        ExpectInside(all, records[i].pPrinterName);
        ExpectInside(all, records[i].pServerName);
        ExpectInside(all, records[i].pDevMode);
        ExpectInside(all, records[i].pDatatype);
    }

    Enumerate(PRINTER_ENUM_LOCAL, 2, count);
    EXPECT_EQ(count, 1u);
    std::vector<BYTE> remote = Enumerate(PRINTER_ENUM_CONNECTIONS, 4, count);
    ASSERT_EQ(count, 1u);
    EXPECT_STREQ(reinterpret_cast<PRINTER_INFO_4A*>(remote.data())->pPrinterName, "\\\\PRINTSRV\\Shared Tav");

    DWORD needed = 0;
    EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 3, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), 124u);
}

TEST_F(SimSpoolerTest, DeviceModeOfAPrinter)
{
    DWORD count = 0;
    std::vector<BYTE> all = Enumerate(PRINTER_ENUM_LOCAL, 2, count);
    ASSERT_EQ(count, 1u);
    const DEVMODEA* dm = reinterpret_cast<PRINTER_INFO_2A*>(all.data())->pDevMode;
    ASSERT_NE(dm, nullptr);
    EXPECT_EQ(dm->dmSize, 156);
    EXPECT_EQ(dm->dmDriverExtra, 40);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(dm->dmDeviceName)), std::string("Tav Laser Printer With A Rather Long Queue Name").substr(0, 31));
    EXPECT_LE(reinterpret_cast<const BYTE*>(dm) + 156 + 40, all.data() + all.size());

    HANDLE printer = nullptr;
    std::string name = "tav laser printer with a rather long queue name";
    ASSERT_TRUE(OpenPrinterA(name.data(), &printer, nullptr));
    EXPECT_EQ(DocumentPropertiesA(nullptr, printer, name.data(), nullptr, nullptr, 0), 196);
    std::vector<BYTE> out(196, 0xCC);
    auto* devMode = reinterpret_cast<DEVMODEA*>(out.data());
    EXPECT_EQ(DocumentPropertiesA(nullptr, printer, name.data(), devMode, nullptr, DM_OUT_BUFFER), 1);
    EXPECT_EQ(devMode->dmSize, 156);
    EXPECT_EQ(devMode->dmDriverExtra, 40);
    EXPECT_EQ(devMode->dmOrientation, DMORIENT_PORTRAIT);
    for (size_t i = 156; i < out.size(); ++i) EXPECT_EQ(out[i], 0) << "private byte " << i;

    // Caller's fields and private area come back through DM_IN_BUFFER.
    std::vector<BYTE> in = out;
    auto* changed = reinterpret_cast<DEVMODEA*>(in.data());
    changed->dmOrientation = DMORIENT_LANDSCAPE;
    changed->dmFields = DM_ORIENTATION;
    in[160] = 0x5A;
    std::vector<BYTE> merged(196, 0xCC);
    EXPECT_EQ(DocumentPropertiesA(nullptr, printer, name.data(), reinterpret_cast<DEVMODEA*>(merged.data()), changed,
                                  DM_IN_BUFFER | DM_OUT_BUFFER), 1);
    EXPECT_EQ(reinterpret_cast<DEVMODEA*>(merged.data())->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(merged[160], 0x5A);

    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterA(printer, 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), 122u);
    std::vector<BYTE> record(needed);
    ASSERT_TRUE(GetPrinterA(printer, 2, record.data(), needed, &needed));
    EXPECT_EQ(reinterpret_cast<PRINTER_INFO_2A*>(record.data())->pDevMode->dmDriverExtra, 40);
    EXPECT_TRUE(ClosePrinter(printer));
    EXPECT_FALSE(ClosePrinter(printer));
    EXPECT_EQ(GetLastError(), 6u);

    std::string unknown = "Nobody";
    EXPECT_FALSE(OpenPrinterA(unknown.data(), &printer, nullptr));
    EXPECT_EQ(GetLastError(), 1801u);
}

TEST_F(SimSpoolerTest, DriverRecords)
{
    HANDLE printer = nullptr;
    std::string name = "\\\\printsrv\\shared tav";
    ASSERT_TRUE(OpenPrinterA(name.data(), &printer, nullptr));
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), 122u);
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetPrinterDriverA(printer, nullptr, 3, buffer.data(), needed, &needed));
    auto* info = reinterpret_cast<DRIVER_INFO_3A*>(buffer.data());
    EXPECT_EQ(info->cVersion, 3u);
    EXPECT_STREQ(info->pName, "Tav Laser");
    EXPECT_STREQ(info->pEnvironment, "Windows x64");
    EXPECT_STREQ(info->pDriverPath, "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\TAVDRV.DLL");
    ASSERT_NE(info->pDependentFiles, nullptr);
    EXPECT_EQ(std::string(info->pDependentFiles, 27), std::string("XVTAV.CAP\0C:\\D\\TAVCCM.INI\0\0", 27));
    std::string other = "Windows NT x86";
    EXPECT_FALSE(GetPrinterDriverA(printer, other.data(), 3, buffer.data(), needed, &needed));
    EXPECT_EQ(GetLastError(), 1797u);
    ClosePrinter(printer);

    DWORD count = 0;
    EXPECT_FALSE(EnumPrinterDriversA(nullptr, nullptr, 2, nullptr, 0, &needed, &count));
    std::vector<BYTE> drivers(needed);
    ASSERT_TRUE(EnumPrinterDriversA(nullptr, nullptr, 2, drivers.data(), needed, &needed, &count));
    ASSERT_EQ(count, 1u);
    EXPECT_STREQ(reinterpret_cast<DRIVER_INFO_2A*>(drivers.data())->pName, "Tav Laser");
    std::string all = "all";
    EXPECT_FALSE(EnumPrinterDriversA(nullptr, all.data(), 3, nullptr, 0, &needed, &count));
    drivers.assign(needed, 0);
    ASSERT_TRUE(EnumPrinterDriversA(nullptr, all.data(), 3, drivers.data(), needed, &needed, &count));
    ASSERT_EQ(count, 2u);
    auto* second = reinterpret_cast<DRIVER_INFO_3A*>(drivers.data()) + 1;
    EXPECT_EQ(second->cVersion, 2u);
    EXPECT_EQ(second->pDependentFiles, nullptr);
}

TEST_F(SimSpoolerTest, InstalledDriversAndPrintersLastUntilReload)
{
    char folder[MAX_PATH];
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), MAX_PATH, &needed));
    EXPECT_STREQ(folder, "C:\\Windows\\System32\\spool\\DRIVERS\\x64");
    EXPECT_EQ(needed, std::strlen(folder) + 1);
    machine.WriteFile("C:\\Stage\\NEW.DLL", "driver");
    machine.WriteFile("C:\\Stage\\NEW.PPD", "data");
    machine.WriteFile("C:\\Stage\\NEWUI.DLL", "ui");
    machine.WriteFile("C:\\Stage\\NEW.CAP", "[Capability]\r\n");

    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>("New Driver");
    driver.pDriverPath = const_cast<LPSTR>("C:\\Stage\\NEW.DLL");
    driver.pDataFile = const_cast<LPSTR>("NEW.PPD");
    driver.pConfigFile = const_cast<LPSTR>("C:\\Stage\\NEWUI.DLL");
    std::string deps("sub\\NEW.CAP\0MISSING.BIN\0\0", 25);
    driver.pDependentFiles = deps.data();
    EXPECT_FALSE(AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES));
    EXPECT_EQ(GetLastError(), 2u);
    deps = std::string("sub\\NEW.CAP\0\0", 13);
    driver.pDependentFiles = deps.data();
    ASSERT_TRUE(AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES));
    const std::string installed = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\";
    EXPECT_EQ(machine.ReadFile(installed + "NEW.CAP"), "[Capability]\r\n");
    EXPECT_EQ(machine.ReadFile(installed + "NEW.PPD"), "data");

    PRINTER_INFO_2A info{};
    info.pPrinterName = const_cast<LPSTR>("New Printer");
    info.pPortName = const_cast<LPSTR>("LPT1:");
    info.pDriverName = const_cast<LPSTR>("New Driver");
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info)), nullptr);
    EXPECT_EQ(GetLastError(), 1802u);
    info.pPrinterName = const_cast<LPSTR>("Orphan");
    info.pDriverName = const_cast<LPSTR>("No Driver");
    EXPECT_EQ(AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info)), nullptr);
    EXPECT_EQ(GetLastError(), 1797u);

    needed = 0;
    EXPECT_FALSE(GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needed));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetPrinterDriverA(printer, nullptr, 3, buffer.data(), needed, &needed));
    auto* record = reinterpret_cast<DRIVER_INFO_3A*>(buffer.data());
    EXPECT_EQ(std::string(record->pDriverPath), installed + "NEW.DLL");
    EXPECT_EQ(std::string(record->pDataFile), installed + "NEW.PPD");
    EXPECT_EQ(std::string(record->pDependentFiles), installed + "NEW.CAP");
    EXPECT_TRUE(ClosePrinter(printer));

    DWORD count = 0;
    EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count));
    std::vector<BYTE> list(needed);
    ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, list.data(), needed, &needed, &count));
    EXPECT_EQ(count, 2u);

    std::string name = "New Printer";
    ASSERT_TRUE(OpenPrinterA(name.data(), &printer, nullptr));
    EXPECT_TRUE(DeletePrinter(printer));
    EXPECT_TRUE(ClosePrinter(printer));
    EXPECT_FALSE(OpenPrinterA(name.data(), &printer, nullptr));

    HANDLE again = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    EXPECT_EQ(again, nullptr);
    SimMachineReload();
    HANDLE check = nullptr;
    EXPECT_FALSE(OpenPrinterA(name.data(), &check, nullptr));
    EXPECT_FALSE(EnumPrinterDriversA(nullptr, nullptr, 3, nullptr, 0, &needed, &count));
    std::vector<BYTE> drivers(needed);
    ASSERT_TRUE(EnumPrinterDriversA(nullptr, nullptr, 3, drivers.data(), needed, &needed, &count));
    EXPECT_EQ(count, 1u) << "only the description's driver of this environment remains";
}

}  // namespace
