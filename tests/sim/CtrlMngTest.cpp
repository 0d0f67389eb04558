// The setting catalogue on a simulated machine: identifiers, the index, limits, tables,
// profile names and broken catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/SimMachine.h"
#include "launch/CmyException.h"
#include "printer/CPrinterDriverInfo.h"
#include "storage/CCtrlMng.h"

namespace {

const char catalogFile[] = "C:\\Drivers\\TVCCM.INI";

std::vector<std::string> Items(const CmyStringArray& list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

// One catalogue section text: settings listed in order as (id, name).
std::string Section(const std::string& name, const std::vector<std::pair<std::string, std::string>>& settings)
{
    std::string text = "[" + name + "]\r\nSettingNum=" + std::to_string(settings.size()) + "\r\n";
    for (size_t i = 0; i < settings.size(); ++i) {
        text += "SettingID" + std::to_string(i) + "=" + settings[i].first + "\r\n";
    }
    for (const auto& [id, settingName] : settings) {
        text += "SettingName" + id + "=" + settingName + "\r\n";
    }
    return text;
}

class CtrlMngTest : public ::testing::Test {
protected:
    CCtrlMng Open(int kind) const
    {
        CCtrlMng catalog;
        catalog.SetFile(catalogFile, kind);
        return catalog;
    }
    std::string Value(const std::string& section, const std::string& key) const
    {
        return CIniAcc(catalogFile).GetString(section, key);
    }
    std::vector<std::string> Keys(const std::string& section) const
    {
        return Items(CIniAcc(catalogFile).GetKeys(section));
    }

    SimMachine machine;
};

TEST_F(CtrlMngTest, FirstSettingOfAnEmptyCatalogGetsIdentifierZero)
{
    machine.WriteFile(catalogFile, "");
    CCtrlMng colour = Open(1);
    EXPECT_EQ(colour.GetSettingCount(), 0);
    EXPECT_EQ(colour.AddSetting("Warm"), "UCD0.dat");
    EXPECT_EQ(Value("Color", "SettingNum"), "1");
    EXPECT_EQ(Value("Color", "SettingID0"), "0");
    EXPECT_EQ(Value("Color", "SettingName0"), "Warm");
    EXPECT_EQ(colour.GetDataFileName("Warm"), "UCD0.dat");

    // Gamma identifiers are allocated on their own.
    CCtrlMng gamma = Open(2);
    EXPECT_EQ(gamma.AddSetting("Soft"), "UGD0.dat");
    EXPECT_EQ(gamma.GetTotalSettingCount(), 2);
    EXPECT_EQ(colour.GetDataFileName("Soft"), "");
}

TEST_F(CtrlMngTest, SmallestFreeIdentifierIsTakenAndFreedOnesAreReused)
{
    machine.WriteFile(catalogFile, Section("Color", {{"0", "A"}, {"1", "B"}, {"3", "D"}}));
    CCtrlMng colour = Open(1);
    EXPECT_EQ(colour.AddSetting("C"), "UCD2.dat");
    EXPECT_EQ(Value("Color", "SettingID3"), "2");
    EXPECT_EQ(colour.GetSettingCount(), 4);

    EXPECT_NE(colour.DeleteSetting("B"), FALSE);
    EXPECT_EQ(colour.AddSetting("E"), "UCD1.dat");
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"A", "D", "C", "E"}));
}

TEST_F(CtrlMngTest, IdentifierIsNotFoundInsideLongerOnes)
{
    machine.WriteFile(catalogFile, Section("Color", {{"11", "A"}, {"21", "B"}, {"0", "C"}, {"10", "D"}}));
    EXPECT_EQ(Open(1).AddSetting("E"), "UCD1.dat");
}

TEST_F(CtrlMngTest, SixtySettingsInBothSectionsRefuseAnotherWithNothingWritten)
{
    std::vector<std::pair<std::string, std::string>> colours, gammas;
    for (int i = 0; i < 35; ++i) colours.push_back({std::to_string(i), "C" + std::to_string(i)});
    for (int i = 0; i < 25; ++i) gammas.push_back({std::to_string(i), "G" + std::to_string(i)});
    machine.WriteFile(catalogFile, Section("Color", colours) + Section("Gamma", gammas));
    const std::string before = machine.ReadFile(catalogFile);

    for (int kind : {1, 2}) {
        CCtrlMng catalog = Open(kind);
        try {
            catalog.AddSetting("One more");
            ADD_FAILURE() << "kind " << kind << " accepted a 61st setting";
        } catch (const CmyException& e) {
            EXPECT_EQ(e.GetTextId(), IDS_ERR_CATALOG_FULL);
            EXPECT_EQ(e.GetSeverity(), 1);
            EXPECT_EQ(e.GetFileArgument(), "");
        }
    }
    EXPECT_EQ(machine.ReadFile(catalogFile), before);

    // A test print may still add its temporary entry, and removing it restores the count.
    CCtrlMng gamma = Open(2);
    gamma.AddTestSetting("testprint");
    EXPECT_EQ(gamma.GetIdByName("testprint"), "25");
    EXPECT_EQ(gamma.GetTotalSettingCount(), 61);
    gamma.RemoveLastSetting("testprint");
    EXPECT_EQ(gamma.GetSettingCount(), 25);
    EXPECT_EQ(gamma.GetIdByName("testprint"), "");
}

TEST_F(CtrlMngTest, TestSettingMayTakeIdentifierSixty)
{
    std::vector<std::pair<std::string, std::string>> colours;
    for (int i = 0; i < 60; ++i) colours.push_back({std::to_string(i), "C" + std::to_string(i)});
    machine.WriteFile(catalogFile, Section("Color", colours));
    CCtrlMng colour = Open(1);
    colour.AddTestSetting("testprint");
    EXPECT_EQ(colour.GetDataFileName("testprint"), "UCD60.dat");
    EXPECT_EQ(colour.GetSettingCount(), 61);

    // No identifier is left: a second test entry is not added.
    colour.AddTestSetting("testprint1");
    EXPECT_EQ(colour.GetSettingCount(), 61);
    EXPECT_EQ(colour.GetIdByName("testprint1"), "");
}

TEST_F(CtrlMngTest, DeletingTheFirstOfThreeClosesTheGap)
{
    machine.WriteFile(catalogFile, Section("Color", {{"5", "A"}, {"2", "B"}, {"9", "C"}}) +
                                       "CCMNT5=00\r\n");
    CCtrlMng colour = Open(1);
    EXPECT_NE(colour.DeleteSetting("A"), FALSE);
    EXPECT_EQ(Value("Color", "SettingNum"), "2");
    EXPECT_EQ(Value("Color", "SettingID0"), "2");
    EXPECT_EQ(Value("Color", "SettingID1"), "9");
    EXPECT_EQ(Value("Color", "SettingName5"), "");
    EXPECT_EQ(colour.GetNameById("2"), "B");
    EXPECT_EQ(colour.GetNameById("9"), "C");
    std::vector<std::string> keys = Keys("Color");
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "SettingID2"), 0);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "SettingName5"), 0);
    // The tables are the managers' to remove.
    EXPECT_EQ(Value("Color", "CCMNT5"), "00");
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"B", "C"}));
}

TEST_F(CtrlMngTest, DeletingTheLastAndTheOnlySetting)
{
    machine.WriteFile(catalogFile, Section("Color", {{"0", "A"}, {"1", "B"}}));
    CCtrlMng colour = Open(1);
    EXPECT_NE(colour.DeleteSetting("B"), FALSE);
    EXPECT_EQ(Items(colour.GetSettingNames()), std::vector<std::string>{"A"});
    EXPECT_NE(colour.DeleteSetting("A"), FALSE);
    EXPECT_EQ(Value("Color", "SettingNum"), "0");
    EXPECT_EQ(Keys("Color"), std::vector<std::string>{"SettingNum"});
}

TEST_F(CtrlMngTest, DeletingAnUnknownNameChangesNothing)
{
    machine.WriteFile(catalogFile, Section("Color", {{"0", "A"}}));
    const std::string before = machine.ReadFile(catalogFile);
    CCtrlMng colour = Open(1);
    EXPECT_EQ(colour.DeleteSetting("a"), FALSE);  // names are case-sensitive
    colour.RemoveLastSetting("Z");
    EXPECT_EQ(machine.ReadFile(catalogFile), before);
}

TEST_F(CtrlMngTest, LookupsFollowTheListOrder)
{
    machine.WriteFile(catalogFile, Section("Color", {{"4", "Twin"}, {"1", "Other"}, {"2", "Twin"}}));
    CCtrlMng colour = Open(1);
    EXPECT_EQ(colour.GetIdByName("Twin"), "4");
    EXPECT_EQ(colour.GetIndexById("2"), "2");
    EXPECT_EQ(colour.GetIndexById("7"), "");
    EXPECT_EQ(colour.GetIdByName("Missing"), "");
    EXPECT_EQ(colour.GetDataFileName("Twin"), "UCD4.dat");
    EXPECT_EQ(colour.GetDataFileName("Missing"), "");
}

TEST_F(CtrlMngTest, TablesAreStoredPerIdentifier)
{
    machine.WriteFile(catalogFile, Section("Gamma", {{"3", "Soft"}}));
    CCtrlMng gamma = Open(2);
    EXPECT_NE(gamma.SetTables("Soft", "0A1B", "FF00"), FALSE);
    EXPECT_EQ(Value("Gamma", "CCMNT3"), "0A1B");
    EXPECT_EQ(Value("Gamma", "CCMNV3"), "FF00");
    std::string t, v;
    gamma.GetTables("Soft", t, v);
    EXPECT_EQ(t + "/" + v, "0A1B/FF00");
    EXPECT_EQ(gamma.SetTables("Unknown", "01", "02"), FALSE);

    gamma.DeleteTables("Soft");
    gamma.GetTables("Soft", t, v);
    EXPECT_EQ(t + v, "");
}

TEST_F(CtrlMngTest, NumbersReadLeadingDigits)
{
    machine.WriteFile(catalogFile, "[Gamma]\r\nA=12abc\r\nB=\r\nC=abc\r\nD=-4\r\n");
    CCtrlMng gamma = Open(2);
    EXPECT_EQ(gamma.ReadNumber("A"), 12);
    EXPECT_EQ(gamma.ReadNumber("B"), 0);
    EXPECT_EQ(gamma.ReadNumber("C"), 0);
    EXPECT_EQ(gamma.ReadNumber("D"), -4);
    EXPECT_EQ(gamma.ReadNumber("Missing"), 0);
    EXPECT_NE(gamma.WriteNumber("Soft", 3), FALSE);
    EXPECT_EQ(Value("Gamma", "Soft"), "3");
    gamma.DeleteKey("Soft");
    EXPECT_EQ(Value("Gamma", "Soft"), "");
    EXPECT_NE(gamma.MarkUpdated(), FALSE);
    EXPECT_EQ(Value("Config", "UpDate"), "1");
}

TEST_F(CtrlMngTest, ProfileFileNames)
{
    machine.WriteFile(catalogFile, Section("Gamma", {{"7", "Soft"}}) + Section("Color", {{"12", "Warm"}}));
    CCtrlMng gamma = Open(2);
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 300, "Soft"), "01G7.ICB");
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 600, "Soft"), "02G7.ICB");
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 1200, "Soft"), "03G7.ICB");
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 400, "Soft"), "");
    EXPECT_EQ(gamma.GetProfileFileName("Temporary", 600, ""), "02TMP.ICB");
    EXPECT_EQ(gamma.GetProfileFileName("Other", 600, "Soft"), "");
    // Unknown settings have no profile files.
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 600, "Warm"), "");
    EXPECT_EQ(gamma.GetProfileFileName("Gamma", 600, ""), "");
    // The identifier comes from the section the kind word names.
    EXPECT_EQ(gamma.GetProfileFileName("Color", 1200, "Warm"), "03C12.ICB");
    CCtrlMng neither;
    neither.SetFile(catalogFile, 4);
    EXPECT_EQ(neither.GetProfileFileName("Color", 300, "Warm"), "01C12.ICB");
}

TEST_F(CtrlMngTest, ProfileKeysAreDeletedByKind)
{
    machine.WriteFile(catalogFile, Section("Color", {{"1", "Warm"}}) +
                                       "01C1.ICB=a\r\n02C1.ICB=b\r\n03C1.ICB=c\r\nKeep=1\r\n"
                                       "[Temporary]\r\nICCData=C:\\x\\01TMP.ICB\r\n");
    CCtrlMng colour = Open(1);
    colour.DeleteProfiles("Warm", 5);
    EXPECT_EQ(Value("Color", "02C1.ICB"), "b");
    colour.DeleteProfiles("Warm", 0);
    EXPECT_EQ(Value("Color", "01C1.ICB") + Value("Color", "02C1.ICB") + Value("Color", "03C1.ICB"), "");
    EXPECT_EQ(Value("Color", "Keep"), "1");
    EXPECT_EQ(Value("Temporary", "ICCData"), "C:\\x\\01TMP.ICB");
    colour.DeleteProfiles("", 108);
    EXPECT_EQ(Value("Temporary", "ICCData"), "");
}

TEST_F(CtrlMngTest, TemporaryProfileIsRecordedInTheDataFolder)
{
    machine.WriteFile(catalogFile, "");
    CCtrlMng catalog = Open(108);
    catalog.SetTemporaryProfile("C:\\Any\\Where\\02TMP.ICB", "Tav Driver");
    EXPECT_EQ(Value("Temporary", "ICCData"), "C:\\Host\\Tintora\\Tav Driver\\02TMP.ICB");
}

// Catalogues come from drivers and from imported setting files: an identifier that is not
// plain decimal from 0 to 60 must never turn into a file name, and such entries are absent.
TEST_F(CtrlMngTest, EntriesWithoutAProperIdentifierAreAbsent)
{
    machine.WriteFile(catalogFile,
                      "[Color]\r\nSettingNum=10\r\n"
                      "SettingID0=../x\r\nSettingID1=1;rm\r\nSettingID2=-3\r\nSettingID3=99\r\n"
                      "SettingID4=\" 4\"\r\nSettingID5=\r\nSettingID6=2\r\nSettingID7=03\r\n"
                      "SettingID8=61\r\nSettingID9=..\\..\\x\r\n"
                      "SettingName../x=Up\r\nSettingName1;rm=Semi\r\nSettingName-3=Minus\r\n"
                      "SettingName99=Big\r\nSettingName 4=Blank\r\nSettingName=Ghost\r\n"
                      "SettingName2=Good\r\nSettingName03=Zero\r\nSettingName61=Over\r\n"
                      "SettingName..\\..\\x=Back\r\n");
    const std::string before = machine.ReadFile(catalogFile);
    CCtrlMng colour = Open(1);
    EXPECT_EQ(Items(colour.GetSettingNames()), std::vector<std::string>{"Good"});
    for (const char* name : {"Up", "Semi", "Minus", "Big", "Blank", "Ghost", "Zero", "Over", "Back", ""}) {
        EXPECT_EQ(colour.GetIdByName(name), "") << name;
        EXPECT_EQ(colour.GetDataFileName(name), "") << name;
        for (int r : {300, 600, 1200}) {
            EXPECT_EQ(colour.GetProfileFileName("Color", r, name), "") << name;
        }
        EXPECT_EQ(colour.DeleteSetting(name), FALSE) << name;
        colour.DeleteProfiles(name, 0);
        colour.DeleteTables(name);
    }
    for (const char* id : {"../x", "-3", "99", " 4", "", "03", "61"}) {
        EXPECT_EQ(colour.GetIndexById(id), "") << id;
        EXPECT_EQ(colour.GetNameById(id), "") << id;
    }
    EXPECT_EQ(machine.ReadFile(catalogFile), before);

    // The valid entry works as usual, and broken entries take no identifier from new ones.
    EXPECT_EQ(colour.GetDataFileName("Good"), "UCD2.dat");
    EXPECT_EQ(colour.AddSetting("New"), "UCD0.dat");
    EXPECT_EQ(Value("Color", "SettingID10"), "0");
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"Good", "New"}));
}

TEST_F(CtrlMngTest, DuplicateIdentifiersAreListedOnce)
{
    machine.WriteFile(catalogFile, Section("Color", {{"1", "A"}, {"1", "A"}, {"2", "B"}}));
    CCtrlMng colour = Open(1);
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(colour.GetIndexById("2"), "2");
}

TEST_F(CtrlMngTest, CountBeyondTheEntriesInventsNothing)
{
    machine.WriteFile(catalogFile, "[Color]\r\nSettingNum=6\r\nSettingID0=0\r\nSettingID1=4\r\n"
                                   "SettingName0=A\r\nSettingName4=B\r\nSettingName=Ghost\r\n");
    CCtrlMng colour = Open(1);
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(colour.GetIdByName("Ghost"), "");
    EXPECT_EQ(colour.GetIdByName(""), "");

    EXPECT_NE(colour.DeleteSetting("A"), FALSE);
    EXPECT_EQ(Value("Color", "SettingID0"), "4");
    EXPECT_EQ(Value("Color", "SettingNum"), "5");
    EXPECT_EQ(Items(colour.GetSettingNames()), std::vector<std::string>{"B"});
    EXPECT_EQ(colour.AddSetting("C"), "UCD0.dat");
    EXPECT_EQ(Items(colour.GetSettingNames()), (std::vector<std::string>{"B", "C"}));
}

TEST_F(CtrlMngTest, OutOfRangeCountsAreBounded)
{
    machine.WriteFile(catalogFile, "[Color]\r\nSettingNum=-3\r\n[Gamma]\r\nSettingNum=2000000000\r\n"
                                   "SettingID0=0\r\nSettingName0=G\r\n");
    CCtrlMng colour = Open(1);
    EXPECT_EQ(colour.GetSettingCount(), 0);
    EXPECT_TRUE(colour.GetSettingNames().IsEmpty());

    CCtrlMng gamma = Open(2);
    EXPECT_EQ(gamma.GetSettingCount(), CCtrlMng::maxSettings + 1);
    EXPECT_EQ(Items(gamma.GetSettingNames()), std::vector<std::string>{"G"});
    // Such a catalogue counts as full and takes no new entry.
    EXPECT_THROW(colour.AddSetting("A"), CmyException);
    gamma.AddTestSetting("testprint");
    EXPECT_EQ(gamma.GetIdByName("testprint"), "");
    EXPECT_EQ(colour.AppendSetting("A", 61), FALSE);
}

class RegisterProfilesTest : public CtrlMngTest {
protected:
    static constexpr const char* driverFolder = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";

    // One printer on one driver whose capability file allows or forbids network use.
    void Install(unsigned driverVersion, const std::string& localPrinterOnly)
    {
        SimDriver driver;
        driver.name = "Tav Driver";
        driver.version = driverVersion;
        driver.driverPath = std::string(driverFolder) + "TAVDRV.DLL";
        driver.dataFile = std::string(driverFolder) + "TAVDRV.GPD";
        driver.configFile = std::string(driverFolder) + "TAVUI.DLL";
        driver.dependentFiles = {"TAVRES.DLL", "TV01.CAP"};
        machine.AddDriver(driver);
        SimPrinter printer;
        printer.name = "Tav Local";
        printer.driver = "Tav Driver";
        machine.AddPrinter(printer);
        machine.Apply();
        machine.WriteFile(std::string(driverFolder) + "TAVDRV.DLL", "driver");
        machine.WriteFile(std::string(driverFolder) + "TV01.CAP",
                          "[Capability]\r\nTav Driver=Model1\r\n[Model1]\r\nCCMInfoFile=TVCCM.INI\r\n"
                          "CCMVersion=1\r\nLocalPrinterOnly=" + localPrinterOnly + "\r\n");
        machine.WriteFile(catalogFile, Section("Color", {{"0", "Other"}, {"14", "Warm"}}));
    }

    std::vector<std::string> Registered() const
    {
        return {Value("Color", "01C14.ICB"), Value("Color", "02C14.ICB"), Value("Color", "03C14.ICB")};
    }
    static std::vector<std::string> Paths(const std::string& base)
    {
        return {base + "01C14.ICB", base + "02C14.ICB", base + "03C14.ICB"};
    }
};

TEST_F(RegisterProfilesTest, NetworkFormForAModelUsableOverTheNetwork)
{
    Install(3, "0");
    Open(1).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver", 0);
    EXPECT_EQ(Registered(), Paths(std::string("\\\\TESTPC\\") + driverFolder + "Tav Driver\\"));
}

TEST_F(RegisterProfilesTest, LocalFormWhenAskedForOrWhenTheModelIsLocalOnly)
{
    Install(3, "0");
    Open(1).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver", 1);
    EXPECT_EQ(Registered(), Paths(std::string(driverFolder) + "Tav Driver\\"));

    machine.WriteFile(catalogFile, Section("Color", {{"14", "Warm"}}));
    machine.WriteFile(std::string(driverFolder) + "TV01.CAP",
                      "[Capability]\r\nTav Driver=Model1\r\n[Model1]\r\nLocalPrinterOnly=1\r\n");
    Open(1).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver\\", 0);
    EXPECT_EQ(Registered(), Paths(std::string(driverFolder) + "Tav Driver\\"));
}

TEST_F(RegisterProfilesTest, VersionTwoDriversAlwaysUseTheNetworkForm)
{
    Install(2, "");
    Open(1).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver", 1);
    EXPECT_EQ(Registered(), Paths(std::string("\\\\TESTPC\\") + driverFolder + "Tav Driver\\"));
}

TEST_F(RegisterProfilesTest, NothingIsRecordedForUnknownSettingsOrPrinters)
{
    Install(3, "0");
    const std::string before = machine.ReadFile(catalogFile);
    Open(1).RegisterProfiles("Cold", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver", 0);
    Open(2).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "Tav Local", "Tav Driver", 0);
    Open(1).RegisterProfiles("Warm", CPrinterDriverInfo::Shared(), "No Such Printer", "Tav Driver", 0);
    EXPECT_EQ(machine.ReadFile(catalogFile), before);
}

}  // namespace
