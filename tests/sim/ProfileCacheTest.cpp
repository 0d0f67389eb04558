// Profile files are parsed once and kept between calls; every change to the file, whoever
// makes it and however quickly, must still be seen by the next read.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32api.h"
#include "support/SimMachine.h"

namespace {

const char* const catalog = "C:\\Drivers\\CAT.INI";

std::string Read(const char* section, const char* key, const char* file = catalog)
{
    char buffer[512] = {};
    GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file);
    return buffer;
}

class ProfileCacheTest : public ::testing::Test {
protected:
    void SetUp() override { machine.WriteFile(catalog, "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\n"); }
    SimMachine machine;
};

TEST_F(ProfileCacheTest, SameSizeChangesRightAfterAReadAreSeen)
{
    // Same length, same instant: neither size nor file time can tell these versions apart.
    for (char id = '0'; id <= '9'; ++id) {
        machine.WriteFile(catalog, std::string("[Color]\r\nSettingNum=1\r\nSettingID0=") + id + "\r\n");
        EXPECT_EQ(std::string(1, id), Read("Color", "SettingID0"));
    }
}

TEST_F(ProfileCacheTest, CopyOverAFileJustWrittenIsSeen)
{
    ASSERT_TRUE(WritePrivateProfileStringA("Color", "SettingID0", "5", catalog));
    machine.WriteFile("C:\\Drivers\\COPY.INI", "[Color]\r\nSettingNum=1\r\nSettingID0=7\r\n");
    ASSERT_TRUE(CopyFileA("C:\\Drivers\\COPY.INI", catalog, FALSE));
    EXPECT_EQ("7", Read("Color", "SettingID0"));
    ASSERT_TRUE(WritePrivateProfileStringA("Color", "SettingID0", "8", catalog));
    EXPECT_EQ("8", Read("Color", "SettingID0"));
    EXPECT_EQ("[Color]\r\nSettingNum=1\r\nSettingID0=8\r\n", machine.ReadFile(catalog));
}

TEST_F(ProfileCacheTest, CopiesAndMovesCarryWhatTheyCopiedAndMoved)
{
    const char* stage = "C:\\Drivers\\CAT.INI.stage";
    EXPECT_EQ("4", Read("Color", "SettingID0"));
    // Changed by hand right after it was read: the copy takes the new bytes, not the parsed ones.
    machine.WriteFile(catalog, "[Color]\r\nSettingNum=1\r\nSettingID0=6\r\n");
    ASSERT_TRUE(CopyFileA(catalog, stage, FALSE));
    EXPECT_EQ("6", Read("Color", "SettingID0", stage));
    ASSERT_TRUE(WritePrivateProfileStringA("Color", "SettingID0", "7", stage));
    ASSERT_TRUE(MoveFileExA(stage, catalog, MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ("7", Read("Color", "SettingID0"));
    EXPECT_EQ("", Read("Color", "SettingID0", stage));
    // A copy of a file never read as a profile, then replaced by hand under the same name.
    machine.WriteFile("C:\\Drivers\\NEW.INI", "[Color]\r\nSettingID0=8\r\n");
    ASSERT_TRUE(CopyFileA("C:\\Drivers\\NEW.INI", stage, FALSE));
    EXPECT_EQ("8", Read("Color", "SettingID0", stage));
    machine.WriteFile(stage, "[Color]\r\nSettingID0=9\r\n");
    EXPECT_EQ("9", Read("Color", "SettingID0", stage));
}

TEST_F(ProfileCacheTest, BytesWrittenInPlaceThroughAHandleAreSeen)
{
    // Written through the profile calls: what they parsed is trusted until the file changes.
    ASSERT_TRUE(WritePrivateProfileStringA("Color", "SettingID0", "3", catalog));
    HANDLE file = CreateFileA(catalog, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FlushFileBuffers(file));
    EXPECT_EQ("3", Read("Color", "SettingID0"));
    // The last value's digit, overwritten where it stands: same size, same instant.
    ASSERT_NE(SetFilePointer(file, -3, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "5", 1, &written, nullptr));
    EXPECT_EQ("5", Read("Color", "SettingID0"));
    CloseHandle(file);
}

TEST_F(ProfileCacheTest, ManyFilesInTurnKeepTheirOwnContents)
{
    for (int i = 0; i < 12; ++i) {
        std::string file = "C:\\Drivers\\F" + std::to_string(i) + ".INI";
        ASSERT_TRUE(WritePrivateProfileStringA("S", "K", std::to_string(i).c_str(), file.c_str()));
    }
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 12; ++i) {
            std::string file = "C:\\Drivers\\F" + std::to_string(i) + ".INI";
            EXPECT_EQ(std::to_string(i), Read("S", "K", file.c_str()));
        }
}

TEST_F(ProfileCacheTest, DeletedAndRecreatedFileIsReadAfresh)
{
    EXPECT_EQ("4", Read("Color", "SettingID0"));
    ASSERT_TRUE(DeleteFileA(catalog));
    EXPECT_EQ("", Read("Color", "SettingID0"));
    ASSERT_TRUE(WritePrivateProfileStringA("Gamma", "SettingNum", "0", catalog));
    EXPECT_EQ("", Read("Color", "SettingID0"));
    EXPECT_EQ("0", Read("Gamma", "SettingNum"));
}

TEST_F(ProfileCacheTest, FailedWriteLeavesTheCachedViewUnchanged)
{
    EXPECT_EQ("4", Read("Color", "SettingID0"));
    ASSERT_TRUE(SetFileAttributesA(catalog, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WritePrivateProfileStringA("Color", "SettingID0", "9", catalog));
    EXPECT_EQ("4", Read("Color", "SettingID0"));
}

}  // namespace
