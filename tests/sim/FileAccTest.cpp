// File access on a simulated machine: the utility folder is C:\Host\Tintora\.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "color/CColorData.h"
#include "framework/MessageBox.h"
#include "gamma/CGammaData.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
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

TEST_F(FileAccTest, UnreadableDataFilesGiveNoObjectSilentlyAndStayAsTheyWere)
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
    machine.WriteFile(utility + "null.dat", std::string(2, '\0'));

    MessageBoxRecorder boxes;
    for (const char* name : {"wrong.dat", "short.dat", "empty.dat", "null.dat"}) {
        EXPECT_EQ(acc.LoadObject(utility, name, RUNTIME_CLASS(CColorData), "One"), nullptr) << name;
    }
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(machine.ReadFile(utility + "wrong.dat"), gammaBytes);
    EXPECT_EQ(machine.ReadFile(utility + "short.dat"), shortBytes);

    // The file is closed again: it can be removed.
    EXPECT_EQ(acc.DeleteFile(utility + "short.dat"), 0);
}

TEST_F(FileAccTest, SavingNoObjectKeepsTheStoredSetting)
{
    CColorData colour = SampleColour();
    acc.SaveObject("", utility + "UCD1.dat", &colour);
    const std::string stored = machine.ReadFile(utility + "UCD1.dat");
    acc.SaveObject("", utility + "UCD1.dat", nullptr);
    EXPECT_EQ(machine.ReadFile(utility + "UCD1.dat"), stored);

    acc.SaveObject("", "C:\\NoFolder\\UCD1.dat", &colour);  // dropped without a word
    EXPECT_FALSE(machine.Exists("C:\\NoFolder\\UCD1.dat"));
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
