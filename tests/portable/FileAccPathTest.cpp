// Path building of the file access, relative to the folder of the running program.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32api.h"
#include "storage/CFileAcc.h"

namespace {

class FileAccPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char module[MAX_PATH] = {};
        ASSERT_GT(GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
        std::string exe = module;
        ASSERT_NE(exe.rfind('\\'), std::string::npos) << exe;
        exeFolder = exe.substr(0, exe.rfind('\\'));
    }
    CFileAcc acc;
    std::string exeFolder;
};

TEST_F(FileAccPathTest, ExeFolderIsTheProgramsFolderWithoutBackslash)
{
    std::string folder = acc.GetExeFolder();
    EXPECT_EQ(folder, exeFolder);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
}

TEST_F(FileAccPathTest, BuildPathGivesTheFolderBothBackslashes)
{
    const std::string expected = exeFolder + "\\x\\UCD1.dat";
    EXPECT_EQ(acc.BuildPath("UCD1.dat", "x"), expected);
    EXPECT_EQ(acc.BuildPath("UCD1.dat", "\\x\\"), expected);
    EXPECT_EQ(acc.BuildPath("UCD1.dat", "x\\"), expected);
    EXPECT_EQ(acc.BuildPath("UCD1.dat", "\\x"), expected);
    EXPECT_EQ(acc.BuildPath("UCD1.dat", ""), exeFolder + "\\UCD1.dat");
    EXPECT_EQ(acc.BuildPath("t.prn", "\\Tintora\\"), exeFolder + "\\Tintora\\t.prn");
    EXPECT_EQ(acc.BuildPath("f", "a\\b"), exeFolder + "\\a\\b\\f");
}

TEST_F(FileAccPathTest, DataPathKeepsOnlyTheFileName)
{
    const std::string expected = exeFolder + "\\Tintora\\Color\\UCD7.dat";
    EXPECT_EQ(acc.GetDataPath("C:\\Some\\Where\\UCD7.dat", "Color"), expected);
    EXPECT_EQ(acc.GetDataPath("UCD7.dat", "Color"), expected);
    EXPECT_EQ(acc.GetDataPath("\\\\server\\share\\UCD7.dat", "Color"), expected);
    EXPECT_EQ(acc.GetDataPath("UCD7.dat", ""), exeFolder + "\\Tintora\\\\UCD7.dat");
}

TEST_F(FileAccPathTest, JoinPathPutsOneBackslashBetween)
{
    EXPECT_EQ(CFileAcc::JoinPath("n.ini", ""), "n.ini");
    EXPECT_EQ(CFileAcc::JoinPath("n.ini", "C:\\d"), "C:\\d\\n.ini");
    EXPECT_EQ(CFileAcc::JoinPath("n.ini", "C:\\d\\"), "C:\\d\\n.ini");
}

TEST_F(FileAccPathTest, SharePathNamesThisComputer)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    ASSERT_TRUE(GetComputerNameA(computer, &size));
    ASSERT_GT(size, 0u);
    EXPECT_EQ(acc.MakeSharePath("C:\\drv\\", "COLOR", 0), "C:\\drv\\COLOR");
    EXPECT_EQ(acc.MakeSharePath("C:\\drv\\", "COLOR", 1), std::string("\\\\") + computer + "\\C:\\drv\\COLOR");
}

TEST_F(FileAccPathTest, FolderPartAndFileNameSplitAtTheLastBackslash)
{
    EXPECT_EQ(CFileAcc::GetFolderPart("C:\\a\\b\\c.ini"), "C:\\a\\b\\");
    EXPECT_EQ(CFileAcc::GetFileName("C:\\a\\b\\c.ini"), "c.ini");
    EXPECT_EQ(CFileAcc::GetFolderPart("c.ini"), "");
    EXPECT_EQ(CFileAcc::GetFileName("c.ini"), "c.ini");
    EXPECT_EQ(CFileAcc::GetFolderPart("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(CFileAcc::GetFileName("C:\\a\\"), "");
}

TEST_F(FileAccPathTest, StripRootDropsDriveAndFirstFolderOrTheServer)
{
    EXPECT_EQ(CFileAcc::StripRoot("C:\\Windows\\spool\\01C1.ICB"), "spool\\01C1.ICB");
    EXPECT_EQ(CFileAcc::StripRoot("\\\\PC\\share\\01C1.ICB"), "share\\01C1.ICB");
    EXPECT_EQ(CFileAcc::StripRoot("C:\\01C1.ICB"), "C:\\01C1.ICB");
    EXPECT_EQ(CFileAcc::StripRoot("01C1.ICB"), "01C1.ICB");
}

}  // namespace
