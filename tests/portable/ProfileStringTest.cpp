// Profile-string behaviour the system relies on, checked against the real API (under Wine)
// and against our Linux layer with the same expectations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32api.h"
#include "storage/CCatalogKey.h"
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

// A fresh folder under the temporary folder, removed with its files afterwards.
class ProfileStringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.Made()) << "no temporary folder";
        m_folder = m_temp.Path();
    }

    std::string Path(const std::string& name) const { return m_folder + name; }
    void Put(const std::string& name, const std::string& bytes) const { ASSERT_TRUE(m_temp.Put(name, bytes)) << name; }
    std::string Contents(const std::string& name) const { return m_temp.Read(name); }
    // The value as the system reads it: the buffer grows while the result may be cut.
    std::string Get(const char* section, const char* key, const std::string& file, const char* def = "") const
    {
        for (DWORD size = 260;; size += 260) {
            std::vector<char> buffer(size);
            DWORD n = GetPrivateProfileStringA(section, key, def, buffer.data(), size, Path(file).c_str());
            if (n != size - 1 && n != size - 2) return std::string(buffer.data(), n);
        }
    }
    std::vector<std::string> List(const char* section, const std::string& file) const
    {
        std::vector<char> buffer(4096, 'X');
        DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), 4096, Path(file).c_str());
        std::vector<std::string> names;
        for (DWORD i = 0; i < n; i += static_cast<DWORD>(names.back().size()) + 1) names.emplace_back(&buffer[i]);
        if (n) {
            EXPECT_EQ(buffer[n], '\0') << "list ends with an extra NUL";
        }
        return names;
    }

    TempFolder m_temp{"tvprofile"};
    std::string m_folder;
};

const char kSample[] =
    "[Sec]\r\n"
    "keyA=1\r\n"
    " ; a comment\r\n"
    "noequals\r\n"
    "  KeyB  =  \"quoted\"  \r\n"
    "keyC='single'\r\n"
    "keyD=\"half\r\n"
    "keyE=\r\n"
    "[ Spaced ]\r\n"
    " x = y \r\n"
    "[Empty]\r\n"
    "[Sec]\r\n"
    "keyF=second\r\n";

TEST_F(ProfileStringTest, NamesMatchWithoutCaseAndBlanksAreTrimmed)
{
    Put("a.ini", kSample);
    EXPECT_EQ(Get("SEC", "keya", "a.ini"), "1");
    EXPECT_EQ(Get("Spaced", "x", "a.ini"), "y");
    EXPECT_EQ(Get(" spaced ", " X ", "a.ini"), "y");
    EXPECT_EQ(Get("Sec", "keyE", "a.ini", "def"), "");
    // Only the first of two sections of one name is read.
    EXPECT_EQ(Get("Sec", "keyF", "a.ini", "def"), "def");
    EXPECT_EQ(Get("Sec", "noequals", "a.ini", "def"), "def");
}

TEST_F(ProfileStringTest, MatchingQuotesAreRemoved)
{
    Put("a.ini", kSample);
    EXPECT_EQ(Get("Sec", "KeyB", "a.ini"), "quoted");
    EXPECT_EQ(Get("Sec", "keyC", "a.ini"), "single");
    EXPECT_EQ(Get("Sec", "keyD", "a.ini"), "\"half");
}

// Windows-1252: the letter pairs are a-z, à-þ but the division sign, and Š Œ Ž Ÿ.
unsigned char ExpectedUpper(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<unsigned char>(c - 0x20);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 0x10);
    return c == 0xFF ? 0x9F : c;
}

TEST(CodePageCase, LettersOfTheAnsiCodePageHaveTwoCases)
{
    for (int c = 1; c < 256; ++c) {
        char upper[2] = {static_cast<char>(c), 'x'};
        char lower[2] = {static_cast<char>(ExpectedUpper(static_cast<unsigned char>(c))), 'X'};
        EXPECT_EQ(CharUpperBuffA(upper, 1), 1u);
        EXPECT_EQ(CharLowerBuffA(lower, 1), 1u);
        EXPECT_EQ(static_cast<unsigned char>(upper[0]), ExpectedUpper(static_cast<unsigned char>(c))) << "byte " << c;
        // Lowering the upper case gives the byte back for every letter.
        if (ExpectedUpper(static_cast<unsigned char>(c)) != c) {
            EXPECT_EQ(static_cast<unsigned char>(lower[0]), c) << "byte " << c;
        }
        EXPECT_EQ(upper[1], 'x');
        EXPECT_EQ(lower[1], 'X');
    }
}

TEST(CodePageCase, CatalogueNamesAreOneWhenOnlyTheirCaseDiffers)
{
    struct Row {
        const char* a;
        const char* b;
        bool same;
    };
    const Row rows[] = {
        {"caf\xE9", "CAF\xC9", true},   {"\xFF", "\x9F", true},  {"\x9A\x9C\x9E", "\x8A\x8C\x8E", true},
        {"Soft", "sOFT", true},         {"\xF7", "\xD7", false}, {"\xB5", "M", false},
        {"\xB5", "?", false},           {"\xDF", "SS", false},    {"caf\xE9", "CAFE", false},
    };
    for (const Row& row : rows) EXPECT_EQ(CCatalogKey::SameName(row.a, row.b), row.same) << row.a << " " << row.b;
}

// The profile functions find a key under every name the catalogue takes for the same name; the
// catalogue may not take two names for two when the profile functions take them for one.
TEST_F(ProfileStringTest, KeysThatDifferOnlyInCaseAreOneKey)
{
    std::vector<int> bytes;
    for (int c = 0x21; c < 256; ++c) {
        if (c != '=') bytes.push_back(c);
    }
    std::string file = "[S]\r\n";
    for (int c : bytes) file += "k" + std::string(1, static_cast<char>(c)) + "=" + std::to_string(c) + "\r\n";
    Put("k.ini", file);
    for (int c : bytes) {
        const std::string name = "k" + std::string(1, static_cast<char>(c));
        // The first line of the same key answers: the smallest byte of the letter's cases.
        const int found = std::stoi(Get("S", name.c_str(), "k.ini", "0"));
        ASSERT_NE(found, 0) << "byte " << c;
        const std::string first = "k" + std::string(1, static_cast<char>(found));
        EXPECT_TRUE(CCatalogKey::SameName(first, name)) << "bytes " << found << " and " << c;
        // Wine 8 folds ASCII letters only in profile names; Windows folds the code page's.
        if (!UnderWine()) {
            int smallest = c;
            for (int other : bytes) {
                if (other < smallest && CCatalogKey::SameName("k" + std::string(1, static_cast<char>(other)), name)) {
                    smallest = other;
                }
            }
            EXPECT_EQ(found, smallest) << "byte " << c;
        }
    }
    // A write under the other case replaces the value of the one key.
    ASSERT_TRUE(WritePrivateProfileStringA("Caf\xE9", "caf\xE9", "1", Path("w.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("CAF\xC9", "CAF\xC9", "2", Path("w.ini").c_str()));
    if (!UnderWine()) {
        EXPECT_EQ(Contents("w.ini"), "[Caf\xE9]\r\ncaf\xE9=2\r\n");
    }
}

TEST_F(ProfileStringTest, DefaultsForMissingValues)
{
    Put("a.ini", kSample);
    EXPECT_EQ(Get("Sec", "missing", "a.ini", "def  "), "def");
    EXPECT_EQ(Get("Sec", "missing", "a.ini", "  de f  "), "  de f");
    EXPECT_EQ(Get("Nowhere", "keyA", "a.ini", "dflt"), "dflt");
    char buffer[16] = "XXXX";
    EXPECT_EQ(GetPrivateProfileStringA("Sec", "missing", nullptr, buffer, 16, Path("a.ini").c_str()), 0u);
    EXPECT_EQ(buffer[0], '\0');

    SetLastError(0);
    EXPECT_EQ(GetPrivateProfileStringA("Sec", "keyA", "gone", buffer, 16, Path("none.ini").c_str()), 4u);
    EXPECT_STREQ(buffer, "gone");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(ProfileStringTest, ValueCutToBufferReturnsSizeMinusOne)
{
    Put("a.ini", "[S]\r\nk=abcdef\r\n");
    for (DWORD size = 1; size <= 9; ++size) {
        std::vector<char> buffer(16, 'X');
        DWORD n = GetPrivateProfileStringA("S", "k", "", buffer.data(), size, Path("a.ini").c_str());
        DWORD expected = size - 1 < 6 ? size - 1 : 6;
        EXPECT_EQ(n, expected) << "size " << size;
        EXPECT_EQ(std::string(buffer.data()), std::string("abcdef").substr(0, expected));
        EXPECT_EQ(buffer[size], 'X') << "nothing written past the buffer";
    }
}

TEST_F(ProfileStringTest, KeyListInFileOrderWithoutCommentsOrBareLines)
{
    Put("a.ini", kSample);
    EXPECT_EQ(List("Sec", "a.ini"), (std::vector<std::string>{"keyA", "KeyB", "keyC", "keyD", "keyE"}));
    EXPECT_EQ(List(nullptr, "a.ini"), (std::vector<std::string>{"Sec", "Spaced", "Empty", "Sec"}));

    Put("b.ini", "[Only]\r\nlonely=\r\n");
    EXPECT_EQ(List("Only", "b.ini"), (std::vector<std::string>{"lonely"}));
}

TEST_F(ProfileStringTest, KeyListOfMissingOrEmptySectionGivesTheDefault)
{
    Put("a.ini", kSample);
    char buffer[32];
    EXPECT_EQ(GetPrivateProfileStringA("Empty", nullptr, "def", buffer, 32, Path("a.ini").c_str()), 3u);
    EXPECT_STREQ(buffer, "def");
    EXPECT_EQ(GetPrivateProfileStringA("Missing", nullptr, "", buffer, 32, Path("a.ini").c_str()), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(ProfileStringTest, CutKeyListReturnsSizeMinusTwo)
{
    Put("a.ini", "[S]\r\nkeyA=1\r\nKeyB=2\r\n");
    // The whole list "keyA\0KeyB\0" and its closing NUL, with a byte to spare.
    char whole[12];
    EXPECT_EQ(GetPrivateProfileStringA("S", nullptr, "", whole, 12, Path("a.ini").c_str()), 10u);
    EXPECT_EQ(std::string(whole, 11), std::string("keyA\0KeyB\0\0", 11));
    // Smaller buffers, down to one that fits the list only to its last byte, are cut.
    const std::string full("keyA\0KeyB\0", 10);
    for (DWORD size = 3; size <= 11; ++size) {
        std::vector<char> buffer(16, 'X');
        DWORD n = GetPrivateProfileStringA("S", nullptr, "", buffer.data(), size, Path("a.ini").c_str());
        EXPECT_EQ(n, size - 2) << "size " << size;
        EXPECT_EQ(std::string(buffer.data(), size - 2), full.substr(0, size - 2));
        EXPECT_EQ(buffer[size - 2], '\0');
        EXPECT_EQ(buffer[size], 'X');
    }
}

TEST_F(ProfileStringTest, LongValuesAndLinesAreReadWhole)
{
    std::string longValue(1500, 'v');
    longValue[0] = 'a';
    longValue.back() = 'z';
    std::string longKey(1200, 'k');
    Put("a.ini", "[S]\r\nshort=1\r\nlong=" + longValue + "\r\n" + longKey + "=x\r\nafter=2\r\n");
    EXPECT_EQ(Get("S", "long", "a.ini"), longValue);
    EXPECT_EQ(Get("S", longKey.c_str(), "a.ini"), "x");
    EXPECT_EQ(Get("S", "after", "a.ini"), "2");
}

TEST_F(ProfileStringTest, LineEndsOfAnyKind)
{
    Put("lf.ini", "[S]\nk=lf\n[T]\nm=last");
    EXPECT_EQ(Get("S", "k", "lf.ini"), "lf");
    EXPECT_EQ(Get("T", "m", "lf.ini"), "last");
    ASSERT_TRUE(WritePrivateProfileStringA("T", "n", "new", Path("lf.ini").c_str()));
    EXPECT_EQ(Get("T", "m", "lf.ini"), "last");
    EXPECT_EQ(Get("T", "n", "lf.ini"), "new");
}

TEST_F(ProfileStringTest, WriteCreatesFileAndSections)
{
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v", Path("w.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("T", "k2", "v2", Path("w.ini").c_str()));
    EXPECT_EQ(Contents("w.ini"), "[S]\r\nk=v\r\n[T]\r\nk2=v2\r\n");
    // Blanks around the names and the value never reach a reader.
    ASSERT_TRUE(WritePrivateProfileStringA("  U  ", "  k3  ", "  v3  ", Path("w.ini").c_str()));
    EXPECT_EQ(Get("U", "k3", "w.ini"), "v3");
    EXPECT_EQ(List(nullptr, "w.ini"), (std::vector<std::string>{"S", "T", "U"}));
}

TEST_F(ProfileStringTest, WriteKeepsOrderAndOtherLines)
{
    Put("c.ini", ";head\r\n[A]\r\nx=1\r\n; inner\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("A", "new", "n", Path("c.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("a", "X", "changed", Path("c.ini").c_str()));
    EXPECT_EQ(List("A", "c.ini"), (std::vector<std::string>{"x", "y", "new"}));
    EXPECT_EQ(Get("A", "x", "c.ini"), "changed");
    EXPECT_EQ(Get("B", "z", "c.ini"), "3");
    std::string text = Contents("c.ini");
    EXPECT_EQ(text.rfind(";head\r\n", 0), 0u);
    EXPECT_NE(text.find("; inner"), std::string::npos);
}

TEST_F(ProfileStringTest, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    Put("c.ini", ";head\r\n[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("A", "x", nullptr, Path("c.ini").c_str()));
    EXPECT_EQ(List("A", "c.ini"), (std::vector<std::string>{"y"}));
    ASSERT_TRUE(WritePrivateProfileStringA("A", nullptr, nullptr, Path("c.ini").c_str()));
    EXPECT_EQ(List(nullptr, "c.ini"), (std::vector<std::string>{"B"}));
    EXPECT_EQ(Contents("c.ini"), ";head\r\n[B]\r\nz=3\r\n");

    // Removing from a file that does not exist succeeds and creates nothing.
    EXPECT_TRUE(WritePrivateProfileStringA("A", "x", nullptr, Path("none.ini").c_str()));
    EXPECT_EQ(GetFileAttributesA(Path("none.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "x", "1", Path("c.ini").c_str()));
}

TEST_F(ProfileStringTest, WriteIntoMissingFolderFails)
{
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", Path("nofolder\\w.ini").c_str()));
}

TEST_F(ProfileStringTest, WritesLeaveOnlyTheProfileInItsFolder)
{
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "1", Path("w.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "2", Path("w.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, Path("w.ini").c_str()));
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA(Path("*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..") names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    EXPECT_EQ(names, std::vector<std::string>{"w.ini"});
    EXPECT_EQ(Contents("w.ini"), "[S]\r\n");
}

TEST_F(ProfileStringTest, ReadOnlyFileRefusesWrites)
{
    if (UnderWine()) GTEST_SKIP() << "Wine run as root writes into read-only files";
    Put("r.ini", "[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesA(Path("r.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "2", Path("r.ini").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Get("S", "k", "r.ini"), "1");
}

TEST_F(ProfileStringTest, BareFileNameLivesInTheWindowsFolder)
{
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string name = "tvprofile_bare_" + m_folder.substr(m_folder.size() - 2, 1) + ".ini";
    const std::string full = std::string(windows) + "\\" + name;
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "here", name.c_str()));
    char buffer[32] = {};
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, 32, full.c_str()), 4u);
    EXPECT_STREQ(buffer, "here");
    EXPECT_TRUE(DeleteFileA(full.c_str()));
}

}  // namespace
