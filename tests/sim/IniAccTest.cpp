// The INI access class and the utility file on a simulated machine whose current directory
// is C:\Host, so the utility file is C:\Host\Tintora\Tavrel.ini.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SimMachine.h"
#include "platform/win32api.h"
#include "storage/CIniAcc.h"
#include "storage/CIniUtility.h"

namespace {

const char utilityFile[] = "C:\\Host\\Tintora\\Tavrel.ini";
const char catalogFile[] = "C:\\Drivers\\TVCCM.INI";

std::vector<std::string> Items(const CmyStringArray& list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

// A value whose every position differs from its neighbours, so a cut or a seam shows.
std::string Pattern(size_t length)
{
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += static_cast<char>('a' + (i * 7 + i / 26) % 26);
    }
    return text;
}

class IniAccTest : public ::testing::Test {
protected:
    SimMachine machine;
};

TEST_F(IniAccTest, ValuesOfAnyLengthAreReadWhole)
{
    const std::vector<size_t> lengths = {0, 1, 257, 258, 259, 260, 261, 518, 519, 520, 1000, 1001, 4000};
    std::string text = "[Long]\r\n";
    for (size_t length : lengths) {
        text += "K" + std::to_string(length) + "=" + Pattern(length) + "\r\n";
    }
    machine.WriteFile(catalogFile, text);

    CIniAcc ini(catalogFile);
    for (size_t length : lengths) {
        EXPECT_EQ(ini.GetString("Long", "K" + std::to_string(length)), Pattern(length)) << length;
    }
}

TEST_F(IniAccTest, MissingFileSectionOrKeyReadsEmpty)
{
    machine.WriteFile(catalogFile, "[Color]\r\nSettingNum=2\r\n");
    CIniAcc ini(catalogFile);
    EXPECT_EQ(ini.GetString("Color", "SettingNum"), "2");
    EXPECT_EQ(ini.GetString("Color", "SettingID0"), "");
    EXPECT_EQ(ini.GetString("Gamma", "SettingNum"), "");
    EXPECT_TRUE(ini.GetKeys("Gamma").IsEmpty());

    CIniAcc missing("C:\\Drivers\\NOFILE.INI");
    EXPECT_EQ(missing.GetString("Color", "SettingNum"), "");
    EXPECT_TRUE(missing.GetKeys("Color").IsEmpty());
}

TEST_F(IniAccTest, KeysAreListedInFileOrder)
{
    machine.WriteFile(catalogFile,
                      "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingName4=Warm\r\n"
                      "[Only]\r\nLonely=\r\n");
    CIniAcc ini(catalogFile);
    EXPECT_EQ(Items(ini.GetKeys("Color")),
              (std::vector<std::string>{"SettingNum", "SettingID0", "SettingName4"}));
    // A key without a value is still a key.
    EXPECT_EQ(Items(ini.GetKeys("Only")), std::vector<std::string>{"Lonely"});
}

TEST_F(IniAccTest, KeyListsLongerThanTheFirstBufferAreReadWhole)
{
    std::vector<std::string> expected;
    std::string text = "[Many]\r\n";
    for (int i = 0; i < 120; ++i) {
        std::string key = "Key" + std::to_string(i) + Pattern(static_cast<size_t>(i % 9));
        expected.push_back(key);
        text += key + "=" + std::to_string(i) + "\r\n";
    }
    machine.WriteFile(catalogFile, text);
    EXPECT_EQ(Items(CIniAcc(catalogFile).GetKeys("Many")), expected);
}

TEST_F(IniAccTest, WriteStringWritesAndDeletes)
{
    CIniAcc ini(catalogFile);
    machine.WriteFile(catalogFile, "");
    EXPECT_NE(ini.WriteString("Config", "UpDate", "1"), FALSE);
    EXPECT_NE(ini.WriteString("Config", "Other", "x"), FALSE);
    EXPECT_EQ(ini.GetString("Config", "UpDate"), "1");

    EXPECT_NE(ini.WriteString("Config", "UpDate", nullptr), FALSE);
    EXPECT_EQ(ini.GetString("Config", "UpDate"), "");
    EXPECT_EQ(Items(ini.GetKeys("Config")), std::vector<std::string>{"Other"});
}

TEST_F(IniAccTest, ReadOnlyFileIsWrittenAndLeftWritable)
{
    machine.WriteFile(catalogFile, "[Color]\r\nSettingNum=0\r\n");
    ASSERT_NE(SetFileAttributesA(catalogFile, FILE_ATTRIBUTE_READONLY), FALSE);
    ASSERT_NE(GetFileAttributesA(catalogFile) & FILE_ATTRIBUTE_READONLY, 0u);

    CIniAcc ini(catalogFile);
    EXPECT_NE(ini.WriteString("Color", "SettingNum", "1"), FALSE);
    EXPECT_EQ(ini.GetString("Color", "SettingNum"), "1");
    DWORD attributes = GetFileAttributesA(catalogFile);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(IniAccTest, UtilityFileFollowsTheCurrentDirectory)
{
    CIniAcc local;
    local.SetPath("Local.ini", "");
    EXPECT_EQ(local.GetPath(), "C:\\Host\\Local.ini");
    EXPECT_EQ(CIniUtility().GetPath(), utilityFile);
    machine.WriteFile(utilityFile, "[HelpFile]\r\nFileName=help.chm\r\n[CCMVer7]\r\nModule=PCM7.DLL\r\n");
    EXPECT_EQ(CIniUtility().Get("HelpFile", "FileName"), "help.chm");
    EXPECT_EQ(CIniUtility().GetVersionValue("7", "Module"), "PCM7.DLL");

    machine.WriteFile("C:\\Elsewhere\\keep.txt", "x");
    ASSERT_NE(SetCurrentDirectoryA("C:\\Elsewhere"), FALSE);
    CIniUtility moved;
    EXPECT_EQ(moved.GetPath(), "C:\\Elsewhere\\Tintora\\Tavrel.ini");
    EXPECT_EQ(moved.Get("HelpFile", "FileName"), "");
    EXPECT_EQ(moved.GetVersionValue("7", "Module"), "");
    EXPECT_TRUE(moved.GetSectionKeys("CCMVer7").IsEmpty());
}

class DefaultSettingTest : public IniAccTest {
protected:
    void SetUp() override
    {
        machine.WriteFile(utilityFile,
                          "[CCMVer1]\r\nModule=A.DLL\r\n"
                          "[CCMVer2]\r\nModule=B.DLL\r\nDefaultSettingVerShare=SharedB\r\n"
                          "[CCMVer3]\r\nModule=C.DLL\r\nDefaultSettingVerShare=SharedB\r\n"
                          "[DefaultSettingVer3]\r\nVivid=5\r\nPlain=\r\n"
                          "[SharedB]\r\nPhoto=2\r\nPlain=9\r\n"
                          "[StringSet1]\r\nStandard=1\r\nPresentation=3\r\n");
    }
    CIniUtility utility;
};

TEST_F(DefaultSettingTest, OwnSectionNamesAreUsedWithoutConsultingTheShare)
{
    EXPECT_EQ(Items(utility.GetDefaultSettingNames("3")), (std::vector<std::string>{"Vivid", "Plain"}));
    EXPECT_EQ(Items(utility.GetDefaultSettingKeys("3")), (std::vector<std::string>{"Vivid", "Plain"}));
}

TEST_F(DefaultSettingTest, NamesFallBackToTheNamedShareOrStringSet1)
{
    EXPECT_EQ(Items(utility.GetDefaultSettingNames("2")), (std::vector<std::string>{"Photo", "Plain"}));
    EXPECT_EQ(Items(utility.GetDefaultSettingNames("1")),
              (std::vector<std::string>{"Standard", "Presentation"}));
    // The plain key list never falls back.
    EXPECT_TRUE(utility.GetDefaultSettingKeys("2").IsEmpty());
    EXPECT_TRUE(utility.GetDefaultSettingKeys("1").IsEmpty());
}

TEST_F(DefaultSettingTest, ValuesFallBackWhenEmptyInTheOwnSection)
{
    EXPECT_EQ(utility.GetDefaultSettingValue("3", "Vivid"), "5");
    EXPECT_EQ(utility.GetDefaultSettingValue("3", "Plain"), "9");      // empty here, found in the share
    EXPECT_EQ(utility.GetDefaultSettingValue("2", "Photo"), "2");
    EXPECT_EQ(utility.GetDefaultSettingValue("1", "Presentation"), "3");
    EXPECT_EQ(utility.GetDefaultSettingValue("1", "Photo"), "");        // not in StringSet1
    EXPECT_EQ(utility.GetDefaultSettingValue("9", "Standard"), "1");    // unknown version
}

}  // namespace
