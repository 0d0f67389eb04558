// File, folder, module and machine calls with the results and last-error codes the system
// relies on; the same expectations hold for the real API (under Wine) and our Linux layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "support/TempFolder.h"

namespace {

bool UnderWine()
{
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

class FileApiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.Made()) << "no temporary folder";
        m_folder = m_temp.Path();
    }

    std::string Path(const std::string& name) const { return m_folder + name; }
    void Put(const std::string& name, const std::string& bytes) const { ASSERT_TRUE(m_temp.Put(name, bytes)) << name; }
    std::string Contents(const std::string& name) const { return m_temp.Read(name, "<missing>"); }
    // Result of a failing call and its last error, as one comparable value.
    static DWORD ErrorOf(BOOL result) { return result ? 0u : GetLastError(); }
    static DWORD ErrorOf(HANDLE result)
    {
        if (result == INVALID_HANDLE_VALUE) return GetLastError();
        CloseHandle(result);
        return 0u;
    }
    HANDLE Open(const std::string& name, DWORD access, DWORD disposition) const
    {
        return CreateFileA(Path(name).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    TempFolder m_temp{"tvfileapi"};
    std::string m_folder;
};

TEST_F(FileApiTest, CreateDirectoryErrors)
{
    EXPECT_EQ(ErrorOf(CreateDirectoryA(Path("sub").c_str(), nullptr)), 0u);
    EXPECT_EQ(ErrorOf(CreateDirectoryA(Path("sub").c_str(), nullptr)), 183u);
    EXPECT_EQ(ErrorOf(CreateDirectoryA(Path("SUB").c_str(), nullptr)), 183u);
    EXPECT_EQ(ErrorOf(CreateDirectoryA(Path("x\\y").c_str(), nullptr)), 3u);
    EXPECT_EQ(GetFileAttributesA(Path("sub").c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(FileApiTest, CopyFileErrorsAndOverwrite)
{
    Put("a.txt", "hello");
    EXPECT_EQ(ErrorOf(CopyFileA(Path("none").c_str(), Path("b.txt").c_str(), FALSE)), 2u);
    EXPECT_EQ(ErrorOf(CopyFileA(Path("nd\\none").c_str(), Path("b.txt").c_str(), FALSE)), 3u);
    EXPECT_EQ(ErrorOf(CopyFileA(Path("a.txt").c_str(), Path("nd\\b.txt").c_str(), FALSE)), 3u);
    EXPECT_EQ(ErrorOf(CopyFileA(Path("a.txt").c_str(), Path("b.txt").c_str(), TRUE)), 0u);
    EXPECT_EQ(Contents("b.txt"), "hello");
    Put("a.txt", "changed");
    EXPECT_EQ(ErrorOf(CopyFileA(Path("A.TXT").c_str(), Path("b.txt").c_str(), TRUE)), 80u);
    EXPECT_EQ(Contents("b.txt"), "hello");
    EXPECT_EQ(ErrorOf(CopyFileA(Path("a.txt").c_str(), Path("b.txt").c_str(), FALSE)), 0u);
    EXPECT_EQ(Contents("b.txt"), "changed");
}

TEST_F(FileApiTest, ReadOnlyAttributeIsKeptByCopyAndRefusesChanges)
{
    if (UnderWine()) GTEST_SKIP() << "Wine run as root ignores the read-only attribute and does not copy it";
    Put("a.txt", "ro");
    ASSERT_TRUE(SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ErrorOf(CopyFileA(Path("a.txt").c_str(), Path("b.txt").c_str(), FALSE)), 0u);
    EXPECT_NE(GetFileAttributesA(Path("b.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ErrorOf(CopyFileA(Path("a.txt").c_str(), Path("b.txt").c_str(), FALSE)), 5u);
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("b.txt").c_str())), 5u);
    EXPECT_EQ(ErrorOf(Open("a.txt", GENERIC_WRITE, OPEN_EXISTING)), 5u);
    EXPECT_EQ(ErrorOf(Open("a.txt", GENERIC_WRITE, CREATE_ALWAYS)), 5u);
    EXPECT_EQ(ErrorOf(Open("a.txt", GENERIC_READ, OPEN_EXISTING)), 0u);
    ASSERT_TRUE(SetFileAttributesA(Path("b.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("b.txt").c_str())), 0u);
}

TEST_F(FileApiTest, AttributesOfFilesAndFolders)
{
    Put("a.txt", "x");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    DWORD file = GetFileAttributesA(Path("A.TXT").c_str());
    ASSERT_NE(file, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(file & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY), 0u);
    ASSERT_TRUE(SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_NE(GetFileAttributesA(Path("a.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ASSERT_TRUE(SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesA(Path("a.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_NE(GetFileAttributesA(Path("sub").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    SetLastError(0);
    EXPECT_EQ(GetFileAttributesA(Path("zz").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), 2u);
    EXPECT_EQ(GetFileAttributesA(Path("zz\\q").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), 3u);
    EXPECT_EQ(ErrorOf(SetFileAttributesA(Path("zz").c_str(), FILE_ATTRIBUTE_NORMAL)), 2u);
}

TEST_F(FileApiTest, PathsAcceptRepeatedSeparatorsAndDots)
{
    Put("a.txt", "dots");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    EXPECT_NE(GetFileAttributesA((m_folder + "sub\\..\\.\\\\a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((m_folder + "\\\\sub").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileApiTest, DeleteAndMoveErrors)
{
    Put("a.txt", "x");
    Put("b.txt", "y");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("zz").c_str())), 2u);
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("zz\\q").c_str())), 3u);
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("sub").c_str())), 5u);
    EXPECT_EQ(ErrorOf(MoveFileA(Path("a.txt").c_str(), Path("b.txt").c_str())), 183u);
    EXPECT_EQ(ErrorOf(MoveFileA(Path("zz").c_str(), Path("yy").c_str())), 2u);
    EXPECT_EQ(ErrorOf(MoveFileA(Path("a.txt").c_str(), Path("sub\\moved.txt").c_str())), 0u);
    EXPECT_EQ(Contents("sub\\moved.txt"), "x");
    EXPECT_EQ(GetFileAttributesA(Path("a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ErrorOf(DeleteFileA(Path("B.TXT").c_str())), 0u);
    EXPECT_EQ(GetFileAttributesA(Path("b.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileApiTest, MoveFileExReplacesOnlyWhenAsked)
{
    const DWORD replace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    Put("new.dat", "new");
    Put("old.dat", "old");
    CreateDirectoryA(Path("sub").c_str(), nullptr);

    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("old.dat").c_str(), MOVEFILE_WRITE_THROUGH)), 183u);
    EXPECT_EQ(Contents("old.dat"), "old");
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("sub").c_str(), replace)), 5u);
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("zz").c_str(), Path("old.dat").c_str(), replace)), 2u);
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("zz\\q").c_str(), Path("old.dat").c_str(), replace)), 3u);
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("zz\\q").c_str(), replace)), 3u);
    EXPECT_EQ(Contents("new.dat"), "new");

    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("OLD.DAT").c_str(), replace)), 0u);
    EXPECT_EQ(Contents("old.dat"), "new");
    EXPECT_EQ(Contents("new.dat"), "<missing>");
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("old.dat").c_str(), Path("sub\\moved.dat").c_str(), replace)), 0u);
    EXPECT_EQ(Contents("sub\\moved.dat"), "new");
}

// A second name keeps the old contents when the first is replaced by a move.
TEST_F(FileApiTest, AHardLinkKeepsTheFileAReplacementMovesAway)
{
    Put("old.dat", "old");
    Put("new.dat", "new");
    EXPECT_EQ(ErrorOf(CreateHardLinkA(Path("old.dat").c_str(), Path("new.dat").c_str(), nullptr)), 183u);
    EXPECT_EQ(ErrorOf(CreateHardLinkA(Path("x.dat").c_str(), Path("zz").c_str(), nullptr)), 2u);
    EXPECT_EQ(ErrorOf(CreateHardLinkA(Path("zz\\q").c_str(), Path("old.dat").c_str(), nullptr)), 3u);
    EXPECT_EQ(ErrorOf(CreateHardLinkA(Path("old.prev").c_str(), Path("old.dat").c_str(), nullptr)), 0u);
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("old.dat").c_str(), MOVEFILE_REPLACE_EXISTING)), 0u);
    EXPECT_EQ(Contents("old.dat"), "new");
    EXPECT_EQ(Contents("old.prev"), "old");
}

TEST_F(FileApiTest, MoveFileExDoesNotReplaceAReadOnlyFile)
{
    if (UnderWine()) GTEST_SKIP() << "Wine run as root ignores the read-only attribute";
    Put("new.dat", "new");
    Put("old.dat", "old");
    ASSERT_TRUE(SetFileAttributesA(Path("old.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ErrorOf(MoveFileExA(Path("new.dat").c_str(), Path("old.dat").c_str(), MOVEFILE_REPLACE_EXISTING)), 5u);
    EXPECT_EQ(Contents("old.dat"), "old");
    ASSERT_TRUE(SetFileAttributesA(Path("old.dat").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileApiTest, RemoveDirectoryErrors)
{
    Put("a.txt", "x");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    Put("sub\\f", "x");
    EXPECT_EQ(ErrorOf(RemoveDirectoryA(Path("nodir").c_str())), 2u);
    EXPECT_EQ(ErrorOf(RemoveDirectoryA(Path("sub").c_str())), 145u);
    EXPECT_EQ(ErrorOf(RemoveDirectoryA(Path("a.txt").c_str())), 267u);
    DeleteFileA(Path("sub\\f").c_str());
    EXPECT_EQ(ErrorOf(RemoveDirectoryA(Path("sub").c_str())), 0u);
}

TEST_F(FileApiTest, CreateFileDispositions)
{
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    EXPECT_EQ(ErrorOf(Open("zz", GENERIC_READ, OPEN_EXISTING)), 2u);
    EXPECT_EQ(ErrorOf(Open("zz\\q", GENERIC_READ, OPEN_EXISTING)), 3u);
    EXPECT_EQ(ErrorOf(Open("zz\\q", GENERIC_WRITE, CREATE_ALWAYS)), 3u);
    EXPECT_EQ(ErrorOf(Open("sub", GENERIC_READ, OPEN_EXISTING)), 5u);

    HANDLE h = Open("n.txt", GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_EQ(ErrorOf(Open("n.txt", GENERIC_WRITE, CREATE_NEW)), 80u);

    SetLastError(1234);
    h = Open("n.txt", GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 183u);
    CloseHandle(h);
    h = Open("n.txt", GENERIC_WRITE, OPEN_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 183u);
    CloseHandle(h);
    SetLastError(1234);
    h = Open("fresh.txt", GENERIC_WRITE, OPEN_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(h);
}

TEST_F(FileApiTest, ReadWriteSeekAndTruncate)
{
    HANDLE h = Open("data.bin", GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    ASSERT_TRUE(WriteFile(h, "0123456789", 10, &done, nullptr));
    EXPECT_EQ(done, 10u);
    DWORD high = 77;
    EXPECT_EQ(GetFileSize(h, &high), 10u);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), 4u);
    char buffer[16] = {};
    ASSERT_TRUE(ReadFile(h, buffer, 3, &done, nullptr));
    EXPECT_EQ(std::string(buffer, done), "456");
    EXPECT_EQ(SetFilePointer(h, -2, nullptr, FILE_END), 8u);
    EXPECT_EQ(SetFilePointer(h, -1, nullptr, FILE_CURRENT), 7u);
    EXPECT_TRUE(SetEndOfFile(h));
    EXPECT_EQ(GetFileSize(h, nullptr), 7u);
    EXPECT_EQ(SetFilePointer(h, -5, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), 131u);
    EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_END), 7u);
    ASSERT_TRUE(ReadFile(h, buffer, 5, &done, nullptr));
    EXPECT_EQ(done, 0u) << "reading at the end gives nothing and succeeds";
    EXPECT_TRUE(FlushFileBuffers(h));
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_EQ(Contents("data.bin"), "0123456");

    h = Open("data.bin", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf(WriteFile(h, "x", 1, &done, nullptr)), 5u);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(FileApiTest, FindFilesWithWildcards)
{
    Put("a.txt", "1");
    Put("B.TXT", "22");
    Put("long.name.dat", "");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    WIN32_FIND_DATAA data;
    std::vector<std::string> names;
    HANDLE find = FindFirstFileA(Path("*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do names.push_back(data.cFileName);
    while (FindNextFileA(find, &data));
    EXPECT_EQ(GetLastError(), 18u);
    EXPECT_TRUE(FindClose(find));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "B.TXT", "a.txt", "long.name.dat", "sub"}));

    find = FindFirstFileA(Path("?.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    names = {data.cFileName};
    while (FindNextFileA(find, &data)) names.push_back(data.cFileName);
    FindClose(find);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.TXT", "a.txt"}));

    find = FindFirstFileA(Path("b.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "B.TXT");
    EXPECT_EQ(data.nFileSizeLow, 2u);
    EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    FindClose(find);
    find = FindFirstFileA(Path("SUB").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    FindClose(find);

    EXPECT_EQ(ErrorOf(FindFirstFileA(Path("zz*").c_str(), &data)), 2u);
    EXPECT_EQ(ErrorOf(FindFirstFileA(Path("zz\\*").c_str(), &data)), 3u);
    EXPECT_EQ(ErrorOf(FindFirstFileA(Path("sub\\").c_str(), &data)), 2u);
}

TEST_F(FileApiTest, CurrentDirectoryRules)
{
    char saved[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, std::strlen(saved));
    char small[2] = {'X', 'X'};
    EXPECT_EQ(GetCurrentDirectoryA(2, small), length + 1);

    Put("rel.txt", "relative");
    EXPECT_EQ(ErrorOf(SetCurrentDirectoryA(Path("zz").c_str())), 2u);
    EXPECT_EQ(ErrorOf(SetCurrentDirectoryA(Path("rel.txt").c_str())), 267u);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.c_str()));
    char now[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_EQ(Lower(now) + "\\", Lower(m_folder)) << "no trailing backslash";
    EXPECT_NE(GetFileAttributesA("rel.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CreateDirectoryA("made", nullptr));
    EXPECT_NE(GetFileAttributesA(Path("made").c_str()), INVALID_FILE_ATTRIBUTES);
    // A path rooted without a drive stays on the current drive.
    std::string rooted = m_folder.substr(2) + "rel.txt";
    EXPECT_NE(GetFileAttributesA(rooted.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(SetCurrentDirectoryA(saved));
}

TEST_F(FileApiTest, FolderGettersReportTheSizeNeeded)
{
    char temp[MAX_PATH] = {};
    DWORD length = GetTempPathA(MAX_PATH, temp);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(temp[length - 1], '\\');
    char small[2];
    EXPECT_EQ(GetTempPathA(2, small), length + 1);
    char windows[MAX_PATH] = {};
    UINT windowsLength = GetWindowsDirectoryA(windows, MAX_PATH);
    ASSERT_GT(windowsLength, 0u);
    EXPECT_EQ(GetWindowsDirectoryA(small, 2), windowsLength + 1);
}

TEST_F(FileApiTest, ModuleFileNameTruncation)
{
    char full[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, full, MAX_PATH);
    ASSERT_GT(length, 4u);
    EXPECT_EQ(length, std::strlen(full));
    EXPECT_EQ(full[1], ':');
    EXPECT_NE(Lower(full).find("portable_tests"), std::string::npos);

    char cut[8];
    std::memset(cut, 'X', sizeof cut);
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, cut, 4), 4u);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(std::string(cut, 3), std::string(full, 3));
    // Windows ends the cut path with a NUL; Wine copies one character more instead.
    if (!UnderWine()) {
        EXPECT_EQ(cut[3], '\0');
    }
    EXPECT_EQ(cut[4], 'X');
}

TEST_F(FileApiTest, ComputerNameSizeRules)
{
    char name[64] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(size, std::strlen(name));
    ASSERT_GT(size, 0u);
    char small[1];
    DWORD tooSmall = 1;
    SetLastError(0);
    EXPECT_FALSE(GetComputerNameA(small, &tooSmall));
    EXPECT_EQ(GetLastError(), 111u);
    EXPECT_EQ(tooSmall, size + 1);
}

TEST_F(FileApiTest, VersionRecordSize)
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 100;
    EXPECT_EQ(ErrorOf(GetVersionExA(&info)), 122u);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, 2u);
    EXPECT_GE(info.dwMajorVersion, 5u);
    EXPECT_NE(GetUserDefaultUILanguage(), 0);
}

TEST_F(FileApiTest, LibrariesAndExports)
{
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("no_such_library_here"), nullptr);
    EXPECT_EQ(GetLastError(), 126u);

    // The resource-loader stand-in lies beside the test program on both targets.
    HMODULE module = LoadLibraryA("VEMRLOAD");
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "VmLoadString"), nullptr);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), 127u);
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    ASSERT_GT(length, 12u);
    EXPECT_EQ(Lower(path).substr(length - 13), "\\vemrload.dll");
    HMODULE again = LoadLibraryA("vemrload.dll");
    EXPECT_EQ(again, module);
    EXPECT_TRUE(FreeLibrary(again));
    EXPECT_TRUE(FreeLibrary(module));
}

}  // namespace
