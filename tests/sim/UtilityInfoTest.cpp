// The shared wizard state's copy rules, and the removal of a leftover temporary ICC profile.
#include <gtest/gtest.h>

#include <string>

#include "launch/CTemporaryIcc.h"
#include "launch/CUtilityInfo.h"
#include "support/SimMachine.h"

namespace {

CUtilityInfo Filled()
{
    CUtilityInfo info;
    info.printerGiven = 1;
    info.driverFolders.Add("C:\\Drivers\\0\\");
    info.driverFolders.Add("C:\\Drivers\\2\\");
    info.reloadNeeded = 1;
    info.dataSaved = 0;
    info.defaultSettingNumber = 4;
    info.userSettingSelected = 1;
    info.catalogRestored = 1;
    info.localCatalogPath = "C:\\Host\\Tintora\\Tav\\CCM.INI";
    info.ccmVersion = "2";
    info.printerName = "Tav Laser";
    info.editType = 2;
    info.driverName = "Tav Driver";
    info.driverCatalogPath = "C:\\Drivers\\CCM.INI";
    info.selectedSettingName = "Warm";
    info.printMode = "EMF";
    return info;
}

void ExpectSameExceptFoldersAndReload(const CUtilityInfo& a, const CUtilityInfo& b)
{
    EXPECT_EQ(a.printerGiven, b.printerGiven);
    EXPECT_EQ(a.dataSaved, b.dataSaved);
    EXPECT_EQ(a.defaultSettingNumber, b.defaultSettingNumber);
    EXPECT_EQ(a.userSettingSelected, b.userSettingSelected);
    EXPECT_EQ(a.catalogRestored, b.catalogRestored);
    EXPECT_EQ(a.localCatalogPath, b.localCatalogPath);
    EXPECT_EQ(a.ccmVersion, b.ccmVersion);
    EXPECT_EQ(a.printerName, b.printerName);
    EXPECT_EQ(a.editType, b.editType);
    EXPECT_EQ(a.driverName, b.driverName);
    EXPECT_EQ(a.driverCatalogPath, b.driverCatalogPath);
    EXPECT_EQ(a.selectedSettingName, b.selectedSettingName);
    EXPECT_EQ(a.printMode, b.printMode);
}

TEST(UtilityInfoTest, StartsEmpty)
{
    CUtilityInfo info;
    EXPECT_EQ(info.printerGiven, 0);
    EXPECT_TRUE(info.driverFolders.IsEmpty());
    EXPECT_EQ(info.reloadNeeded, 0);
    EXPECT_EQ(info.dataSaved, 1);
    EXPECT_EQ(info.defaultSettingNumber, -1);
    EXPECT_EQ(info.editType, 0);
    EXPECT_TRUE(info.driverCatalogPath.empty());
}

TEST(UtilityInfoTest, CopyConstructionCopiesEverything)
{
    CUtilityInfo source = Filled();
    CUtilityInfo copy(source);
    ExpectSameExceptFoldersAndReload(copy, source);
    EXPECT_EQ(copy.reloadNeeded, 1);
    ASSERT_EQ(copy.driverFolders.GetSize(), 2);
    EXPECT_EQ(copy.driverFolders[1], "C:\\Drivers\\2\\");
}

TEST(UtilityInfoTest, AssignmentKeepsReloadFlagAndAppendsFolders)
{
    CUtilityInfo source = Filled();
    CUtilityInfo target;
    target.reloadNeeded = 0;
    target.driverFolders.Add("C:\\Old\\");
    target = source;
    ExpectSameExceptFoldersAndReload(target, source);
    EXPECT_EQ(target.reloadNeeded, 0);
    ASSERT_EQ(target.driverFolders.GetSize(), 3);
    EXPECT_EQ(target.driverFolders[0], "C:\\Old\\");
    EXPECT_EQ(target.driverFolders[2], "C:\\Drivers\\2\\");

    CUtilityInfo& same = target;
    target = same;  // assigning to itself changes nothing
    EXPECT_EQ(target.driverFolders.GetSize(), 3);
}

class TemporaryIccTest : public ::testing::Test {
protected:
    const std::string catalog = "C:\\Drivers\\CCM.INI";
    const std::string profile = "C:\\Host\\Tintora\\Tav\\01TMP.ICB";
    SimMachine machine;
};

TEST_F(TemporaryIccTest, RemovesTheProfileAndItsEntry)
{
    machine.WriteFile(profile, "profile");
    machine.WriteFile(catalog, "[Temporary]\r\nICCData=" + profile + "\r\nOther=1\r\n[Color]\r\nSettingNum=0\r\n");
    CTemporaryIcc::Remove(catalog);
    EXPECT_FALSE(machine.Exists(profile));
    EXPECT_EQ(machine.ReadFile(catalog), "[Temporary]\r\nOther=1\r\n[Color]\r\nSettingNum=0\r\n");
}

TEST_F(TemporaryIccTest, EntryGoesEvenWhenTheProfileIsAlreadyGone)
{
    machine.WriteFile(catalog, "[Temporary]\r\nICCData=" + profile + "\r\n");
    CTemporaryIcc::Remove(catalog);
    EXPECT_EQ(machine.ReadFile(catalog).find("ICCData"), std::string::npos);
}

TEST_F(TemporaryIccTest, WithoutAnEntryNothingChanges)
{
    const std::string text = "[Temporary]\r\nICCData=\r\n[Color]\r\nSettingNum=0\r\n";
    machine.WriteFile(profile, "profile");
    machine.WriteFile(catalog, text);
    CTemporaryIcc::Remove(catalog);
    EXPECT_TRUE(machine.Exists(profile));
    EXPECT_EQ(machine.ReadFile(catalog), text);

    CTemporaryIcc::Remove("C:\\Drivers\\MISSING.INI");
    EXPECT_FALSE(machine.Exists("C:\\Drivers\\MISSING.INI"));
    CTemporaryIcc::Remove("");
}

}  // namespace
