// File access on a simulated machine: the utility folder is C:\Host\Tintora\.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "color/CColorData.h"
#include "framework/MessageBox.h"
#include "gamma/CGammaData.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "platform/posix/Simulation.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/ThrownId.h"

namespace {

const std::string utility = "C:\\Host\\Tintora\\";

class FileAccTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        machine.Apply();
        machine.WriteFile(utility + "Tintora.keep", "");  // the utility folder exists
    }

    static CColorData SampleColour()
    {
        CColorData data;
        for (int i = 0; i < 40; ++i) data.SetValue(i, i % 36, 20 - i, 1);
        return data;
    }

    SimMachine machine;
    CFileAcc acc;
};

TEST_F(FileAccTest, FoldersAreMadeInTheUtilityFolderOrUnderABase)
{
    EXPECT_NE(acc.CreateFolder("Drv", ""), 0);
    EXPECT_EQ(GetFileAttributesA((utility + "Drv").c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(acc.CreateFolder("Drv", ""), 0);  // already there

    machine.WriteFile("C:\\Spool\\x.txt", "x");
    EXPECT_NE(acc.CreateFolder("COLOR", "C:\\Spool"), 0);
    EXPECT_TRUE(acc.FileExists("C:\\Spool\\COLOR"));
}

TEST_F(FileAccTest, CopiesOverwriteAndReportTheLastError)
{
    machine.WriteFile("C:\\Drivers\\cat.ini", "new");
    machine.WriteFile(utility + "Drv\\cat.ini", "old");

    EXPECT_NE(acc.CopyIntoFolder("C:\\Drivers\\cat.ini", "Drv"), 0);
    EXPECT_EQ(machine.ReadFile(utility + "Drv\\cat.ini"), "new");

    machine.WriteFile("C:\\Dest\\keep.txt", "");
    acc.CopyToFolder("C:\\Drivers\\cat.ini", "C:\\Dest");
    EXPECT_EQ(machine.ReadFile("C:\\Dest\\cat.ini"), "new");

    EXPECT_EQ(acc.CopyFile("C:\\Drivers\\cat.ini", "C:\\Dest\\copy.ini", FALSE), 0u);
    EXPECT_EQ(acc.CopyFile("C:\\Drivers\\cat.ini", "C:\\Dest\\copy.ini", TRUE), 80u);
    EXPECT_EQ(acc.CopyFile("C:\\Drivers\\none.ini", "C:\\Dest\\none.ini", FALSE), 2u);
    EXPECT_FALSE(machine.Exists("C:\\Dest\\none.ini"));
}

TEST_F(FileAccTest, CopyIntoNoFolderLandsInTheUtilityFolderNotTheDriveRoot)
{
    machine.WriteFile("C:\\Drivers\\cat.ini", "data");
    EXPECT_NE(acc.CopyIntoFolder("C:\\Drivers\\cat.ini", ""), 0);
    EXPECT_EQ(machine.ReadFile(utility + "cat.ini"), "data");
    EXPECT_FALSE(machine.Exists("C:\\Tintora\\cat.ini"));
}

TEST_F(FileAccTest, DeleteFileReturnsTheFrameworkCause)
{
    machine.WriteFile(utility + "gone.dat", "1");
    machine.WriteFile(utility + "locked.dat", "2");
    ASSERT_TRUE(SetFileAttributesA((utility + "locked.dat").c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(acc.DeleteFile(utility + "gone.dat"), 0);
    EXPECT_FALSE(machine.Exists(utility + "gone.dat"));
    EXPECT_EQ(acc.DeleteFile(utility + "gone.dat"), 2);
    EXPECT_EQ(acc.DeleteFile(utility + "locked.dat"), 5);
    EXPECT_EQ(machine.ReadFile(utility + "locked.dat"), "2");
    EXPECT_EQ(acc.DeleteFile("C:\\NoFolder\\x.dat"), 3);
}

TEST_F(FileAccTest, UpdateMarkIsReadFromTheMasterOnlyWhenTheCopyExists)
{
    const std::string master = "C:\\Drivers\\cat.ini";
    const std::string copy = utility + "Drv\\cat.ini";
    CFileAcc catalogue(master);

    machine.WriteFile(master, "[Config]\r\nUpDate=\r\n");
    EXPECT_EQ(catalogue.CheckUpdateMark(copy), 1);  // no copy yet

    machine.WriteFile(copy, "[Config]\r\nUpDate=1\r\n");
    EXPECT_EQ(catalogue.CheckUpdateMark(copy), 0);

    machine.WriteFile(master, "[Other]\r\nUpDate=1\r\n");
    EXPECT_EQ(catalogue.CheckUpdateMark(copy), 0);

    machine.WriteFile(master, "[Config]\r\nUpDate=1\r\n");
    EXPECT_EQ(catalogue.CheckUpdateMark(copy), 1);
}

TEST_F(FileAccTest, SavedObjectsLoadBack)
{
    CColorData colour = SampleColour();
    acc.SaveObject("", utility + "UCD1.dat", &colour);
    EXPECT_EQ(machine.ReadFile(utility + "UCD1.dat").size(), 336u);

    CGammaData gamma;
    gamma.SetGamma(1.8);
    acc.SaveObject(utility, "UGD1.dat", &gamma);
    EXPECT_EQ(machine.ReadFile(utility + "UGD1.dat").size(), 96u);

    MessageBoxRecorder boxes;
    std::unique_ptr<CObject> loaded(acc.LoadObject("", utility + "UCD1.dat", RUNTIME_CLASS(CColorData), "One"));
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(loaded->IsKindOf(RUNTIME_CLASS(CColorData)));
    EXPECT_EQ(static_cast<CColorData*>(loaded.get())->IsEqual(colour), 1);

    loaded.reset(acc.LoadObject(utility, "UGD1.dat", RUNTIME_CLASS(CGammaData), "One"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(static_cast<CGammaData*>(loaded.get())->IsEqual(gamma), 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(FileAccTest, MissingDataFileShowsTheSettingName)
{
    MessageBoxRecorder boxes;
    CObject* loaded = acc.LoadObject("", utility + "UCD9.dat", RUNTIME_CLASS(CColorData), "C:\\x\\My Setting");
    EXPECT_EQ(loaded, nullptr);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, CmyException(IDS_ERR_SETTING_DATA_MISSING, "My Setting").GetMessage());
    EXPECT_NE(boxes.Last().text.find("My Setting"), std::string::npos);
    EXPECT_EQ(boxes.Last().style & 0xF0u, 0x10u);
    EXPECT_EQ(boxes.Last().caption, CStrRes().Load(IDS_CAPTION_ERROR));
}

TEST_F(FileAccTest, OtherOpenFailureShowsTheGeneralFileMessage)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ(acc.LoadObject("C:\\NoFolder\\", "UCD1.dat", RUNTIME_CLASS(CColorData), "One"), nullptr);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, CmyException(IDS_ERR_FILE_ACCESS).GetMessage());
}

TEST_F(FileAccTest, DamagedDataFilesAreReportedWithTheirNameAndStayAsTheyWere)
{
    CGammaData gamma;
    acc.SaveObject("", utility + "wrong.dat", &gamma);
    const std::string gammaBytes = machine.ReadFile(utility + "wrong.dat");

    CColorData colour;
    acc.SaveObject("", utility + "short.dat", &colour);
    std::string shortBytes = machine.ReadFile(utility + "short.dat");
    shortBytes.resize(200);
    machine.WriteFile(utility + "short.dat", shortBytes);
    machine.WriteFile(utility + "empty.dat", "");
    std::string otherSchema = machine.ReadFile(utility + "wrong.dat");
    otherSchema[2] = 2;
    machine.WriteFile(utility + "schema.dat", otherSchema);

    MessageBoxRecorder boxes;
    for (const char* name : {"wrong.dat", "short.dat", "empty.dat"}) {
        boxes.Clear();
        EXPECT_EQ(acc.LoadObject(utility, name, RUNTIME_CLASS(CColorData), "One"), nullptr) << name;
        ASSERT_EQ(boxes.Count(), 1u) << name;
        EXPECT_EQ(boxes.Last().text, CmyException(IDS_ERR_FILE_ACCESS).GetMessage()) << name;
        EXPECT_EQ(boxes.Last().style & 0xF0u, 0x10u) << name;
    }
    const std::pair<const char*, const CRuntimeClass*> damaged[] = {
        {"wrong.dat", RUNTIME_CLASS(CColorData)}, {"short.dat", RUNTIME_CLASS(CColorData)},
        {"empty.dat", RUNTIME_CLASS(CColorData)}, {"schema.dat", RUNTIME_CLASS(CGammaData)}};
    for (const auto& [name, expected] : damaged) {
        std::string named;
        try {
            std::unique_ptr<CObject> loaded(acc.ReadObject(utility + name, expected, "One"));
        } catch (const CmyException& e) {
            EXPECT_EQ(e.GetTextId(), static_cast<UINT>(IDS_ERR_FILE_ACCESS)) << name;
            named = e.GetFileArgument();
        }
        EXPECT_EQ(named, name);
    }
    EXPECT_EQ(machine.ReadFile(utility + "wrong.dat"), gammaBytes);
    EXPECT_EQ(machine.ReadFile(utility + "short.dat"), shortBytes);

    // The file is closed again: it can be removed.
    EXPECT_EQ(acc.DeleteFile(utility + "short.dat"), 0);
}

TEST_F(FileAccTest, TheNullObjectLoadsAsNoObjectWithoutAMessage)
{
    machine.WriteFile(utility + "null.dat", std::string(2, '\0'));
    MessageBoxRecorder boxes;
    EXPECT_EQ(acc.LoadObject(utility, "null.dat", RUNTIME_CLASS(CColorData), "One"), nullptr);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(acc.ReadObject(utility + "null.dat", RUNTIME_CLASS(CColorData), "One"), nullptr);
}

TEST_F(FileAccTest, SavingNoObjectKeepsTheStoredSetting)
{
    CColorData colour = SampleColour();
    acc.SaveObject("", utility + "UCD1.dat", &colour);
    const std::string stored = machine.ReadFile(utility + "UCD1.dat");
    acc.SaveObject("", utility + "UCD1.dat", nullptr);
    EXPECT_EQ(machine.ReadFile(utility + "UCD1.dat"), stored);
}

TEST_F(FileAccTest, AFailedSaveIsReportedWithTheFileName)
{
    CColorData colour = SampleColour();
    std::string named;
    try {
        acc.SaveObject("", "C:\\NoFolder\\UCD1.dat", &colour);
    } catch (const CmyException& e) {
        EXPECT_EQ(e.GetTextId(), static_cast<UINT>(IDS_ERR_FILE_ACCESS));
        named = e.GetFileArgument();
    }
    EXPECT_EQ(named, "UCD1.dat");
    EXPECT_FALSE(machine.Exists("C:\\NoFolder\\UCD1.dat"));

    // A read-only data file is not replaced.
    CColorData zeros;
    acc.SaveObject("", utility + "UCD2.dat", &zeros);
    const std::string stored = machine.ReadFile(utility + "UCD2.dat");
    ASSERT_TRUE(SetFileAttributesA((utility + "UCD2.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ThrownId([&] { acc.SaveObject("", utility + "UCD2.dat", &colour); }), IDS_ERR_FILE_ACCESS);
    EXPECT_EQ(machine.ReadFile(utility + "UCD2.dat"), stored);
    EXPECT_FALSE(machine.Exists(utility + "UCD2.dat.new"));
}

// A save and a profile write with the fault at every write position, and with the disk full
// after every byte count: the stored file is the old one or the new one, never a mix, the
// failure is reported, and the new file written beside it is gone.
TEST_F(FileAccTest, DataFilesAreReplacedWholeOrNotAtAll)
{
    const std::string path = utility + "UCD1.dat";
    CColorData oldColour;
    oldColour.SetValue(0, 1, 2, 0);
    const CColorData newColour = SampleColour();
    acc.SaveObject("", path, &oldColour);
    const std::string before = machine.ReadFile(path);
    CFileAcc profile("C:\\Elsewhere\\01C1.ICB");
    const std::string profileBefore(700, 'o'), profileAfter(900, 'n');
    machine.WriteFile(utility + "Drv\\01C1.ICB", profileBefore);

    struct Case {
        const char* what;
        std::string file;
        std::string before;
        std::function<void()> write;
    };
    const std::vector<Case> cases = {
        {"save", path, before, [&] { acc.SaveObject("", path, &newColour); }},
        {"data", utility + "Drv\\01C1.ICB", profileBefore,
         [&] { profile.WriteData(profileAfter.data(), static_cast<DWORD>(profileAfter.size()), "Drv"); }},
    };
    int tried = 0;
    for (const Case& c : cases) {
        SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
        c.write();
        const std::string after = machine.ReadFile(c.file);
        ASSERT_NE(after, c.before) << c.what;
        const DWORD positions = SimMachineWriteCount();
        ASSERT_GE(positions, 3u) << c.what << ": the new file, its bytes and the replacement";

        auto expectOld = [&](const std::string& fault) {
            EXPECT_EQ(ThrownId(c.write), IDS_ERR_FILE_ACCESS) << c.what << " " << fault;
            EXPECT_EQ(machine.ReadFile(c.file), c.before) << c.what << " " << fault;
            EXPECT_FALSE(machine.Exists(c.file + ".new")) << c.what << " " << fault;
            ++tried;
        };
        for (DWORD fault = 1; fault <= positions; ++fault) {
            machine.WriteFile(c.file, c.before);
            SimMachineSetWriteFault(fault, SIM_DISK_UNLIMITED);
            expectOld("at write " + std::to_string(fault));
        }
        for (size_t space = 0; space < after.size(); space += 13) {
            machine.WriteFile(c.file, c.before);
            SimMachineSetWriteFault(0, space);
            expectOld("with " + std::to_string(space) + " bytes free");
        }
        SimMachineSetWriteFault(0, after.size());
        EXPECT_EQ(ThrownId(c.write), 0) << c.what;
        EXPECT_EQ(machine.ReadFile(c.file), after) << c.what;
    }
    RecordProperty("faultsTried", tried);
    EXPECT_GT(tried, 90);
}

TEST_F(FileAccTest, WriteDataReplacesTheFileInTheDataFolder)
{
    machine.WriteFile(utility + "Drv\\keep", "");
    CFileAcc profile("C:\\Elsewhere\\01C1.ICB");
    const std::string longer(5000, 'L');
    EXPECT_EQ(profile.WriteData(longer.data(), 5000, "Drv"), utility + "Drv\\01C1.ICB");
    EXPECT_EQ(machine.ReadFile(utility + "Drv\\01C1.ICB"), longer);
    EXPECT_EQ(profile.WriteData("abc", 3, "Drv"), utility + "Drv\\01C1.ICB");
    EXPECT_EQ(machine.ReadFile(utility + "Drv\\01C1.ICB"), "abc");

    CFileAcc noName;
    EXPECT_EQ(ThrownId([&] { noName.WriteData("abc", 3, ""); }), IDS_ERR_MODULE_FAILED);
    EXPECT_EQ(ThrownId([&] { profile.WriteData("abc", 3, "NoFolder"); }), IDS_ERR_FILE_ACCESS);
}

TEST_F(FileAccTest, RawReadGivesTheWholeFile)
{
    std::string content(6000, '\0');
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
    machine.WriteFile(utility + "page.prn", content);

    CFileAcc print(utility + "page.prn");
    print.OpenRead();
    ASSERT_EQ(print.GetLength(), 6000u);
    std::string buffer(6000, '\0');
    print.Read(buffer.data(), 6000);
    print.Close();
    EXPECT_EQ(buffer, content);
    EXPECT_EQ(acc.DeleteFile(utility + "page.prn"), 0);  // closed

    CFileAcc missing(utility + "none.prn");
    EXPECT_EQ(ThrownId([&] { missing.OpenRead(); }), IDS_ERR_PAGE_NOT_FOUND);
    CFileAcc badFolder("C:\\NoFolder\\none.prn");
    EXPECT_EQ(ThrownId([&] { badFolder.OpenRead(); }), IDS_ERR_FILE_ACCESS);
}

}  // namespace
