// The ICC module wrapper on a simulated machine: the requests the module receives, the profile
// files in the data folder and the driver's folder, and the catalogue keys of a test print.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gamma/CIccModule.h"
#include "launch/CmyException.h"
#include "modules/recording/RecordingClient.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/ThrownId.h"

namespace {

const char kRecording[] = "10";
const char kMissing[] = "30";
const char kWithoutExport[] = "40";
const char kDriver[] = "Tav Laser";
const char kPrinter[] = "Tav Laser Office";
const char kCatalog[] = "C:\\Drivers\\TVCCM.INI";
const std::string kDataFolder = "C:\\Host\\Tintora\\Tav Laser\\";
const std::string kDriverFolder = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\";
const std::string kInstalled = kDriverFolder + "Tav Laser\\";
const std::string kCatalogText =
    "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=Warm\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=0\r\nSettingID1=2\r\nSettingName0=Hard\r\nSettingName2=Soft\r\n";

struct Request {
    int32_t reserved, x, y, count;
    const BYTE* table;
};

Request RequestOf(const recording::Call& call)
{
    Request r{};
    EXPECT_EQ(call.blockBytes, 24);
    std::memcpy(&r, call.block, sizeof r);
    return r;
}

class IccModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDriver driver;
        driver.name = kDriver;
        driver.driverPath = kDriverFolder + "TAVDRV.DLL";
        machine.AddDriver(driver);
        SimPrinter printer;
        printer.name = kPrinter;
        printer.driver = kDriver;
        machine.AddPrinter(printer);
        machine.Apply();
        machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini",
                          "[CCMVer10]\r\nIccModule=TVRECORD.dll\r\n[CCMVer30]\r\nIccModule=TVNOSUCH.dll\r\n"
                          "[CCMVer40]\r\nIccModule=TVCCM.dll\r\n");
        machine.WriteFile(kDriverFolder + "TAVDRV.DLL", "driver");
        machine.WriteFile(kDataFolder + "keep", "");
        machine.WriteFile(kCatalog, kCatalogText);
        recorder = std::make_unique<RecordingClient>();
        ASSERT_TRUE(recorder->Loaded());
        for (int k = 0; k < 228; ++k) table[k] = static_cast<BYTE>(k * 3 + 1);
    }

    std::unique_ptr<CIccModule> Module(const char* version = kRecording, const char* printer = kPrinter)
    {
        auto module = std::make_unique<CIccModule>(version);
        module->SetNames(kDriver, printer);
        return module;
    }

    std::vector<recording::Call> ProfileCalls() { return recorder->Calls(); }

    std::string Expected(int x, int y) const { return recording::Profile(x, y, table); }

    // Files of the data folder other than the marker.
    std::vector<std::string> ProfileFiles(const std::string& folder) const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + "*.ICB").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do names.push_back(found.cFileName);
            while (FindNextFileA(find, &found));
            FindClose(find);
        }
        return names;
    }

    SimMachine machine;
    MessageBoxRecorder boxes;
    std::unique_ptr<RecordingClient> recorder;
    BYTE table[228];
};

TEST_F(IccModuleTest, GammaProfilesAreBuiltForThreeResolutionsAndInstalled)
{
    Module()->MakeProfiles(table, CIccModule::gammaProfiles, "Soft", kCatalog);

    const auto calls = ProfileCalls();
    ASSERT_EQ(calls.size(), 6u);  // size, then profile, per resolution
    const int expected[3][2] = {{300, 300}, {600, 600}, {600, 1200}};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < 2; ++i) {
            const recording::Call& call = calls[2 * r + i];
            SCOPED_TRACE(2 * r + i);
            EXPECT_EQ(std::string(call.function), "MPCA_GetCustomProfile");
            const Request request = RequestOf(call);
            EXPECT_EQ(request.reserved, 0);
            EXPECT_EQ(request.x, expected[r][0]);
            EXPECT_EQ(request.y, expected[r][1]);
            EXPECT_EQ(request.count, 1);
            EXPECT_EQ(request.table, table);
            EXPECT_EQ(call.firstNull, i == 0 ? 1 : 0);
            EXPECT_EQ(call.sizeIn, i == 0 ? 0 : static_cast<int>(Expected(expected[r][0], expected[r][1]).size()));
            EXPECT_EQ(std::memcmp(call.tableT, table, 228), 0);
        }
    }
    const char* files[] = {"01G2.ICB", "02G2.ICB", "03G2.ICB"};
    for (int r = 0; r < 3; ++r) {
        const std::string bytes = Expected(expected[r][0], expected[r][1]);
        EXPECT_EQ(machine.ReadFile(kDataFolder + files[r]), bytes) << files[r];
        EXPECT_EQ(machine.ReadFile(kInstalled + files[r]), bytes) << files[r];
    }
    EXPECT_EQ(ProfileFiles(kDataFolder).size(), 3u);
    // Permanent profiles leave the catalogue as it was; the setting's keys are written elsewhere.
    EXPECT_EQ(machine.ReadFile(kCatalog), kCatalogText);
}

TEST_F(IccModuleTest, ColourProfilesUseTheColourIdentifier)
{
    Module()->MakeProfiles(table, CIccModule::colorProfiles, "Warm", kCatalog);
    EXPECT_EQ(machine.ReadFile(kDataFolder + "01C4.ICB"), Expected(300, 300));
    EXPECT_EQ(machine.ReadFile(kDataFolder + "02C4.ICB"), Expected(600, 600));
    EXPECT_EQ(machine.ReadFile(kInstalled + "03C4.ICB"), Expected(600, 1200));
    EXPECT_EQ(ProfileFiles(kInstalled).size(), 3u);
}

TEST_F(IccModuleTest, ProfilesOverwriteEarlierOnes)
{
    machine.WriteFile(kInstalled + "01G0.ICB", "old installed profile, longer than the new one........");
    machine.WriteFile(kDataFolder + "01G0.ICB", "old");
    Module()->MakeProfiles(table, CIccModule::gammaProfiles, "Hard", kCatalog);
    EXPECT_EQ(machine.ReadFile(kDataFolder + "01G0.ICB"), Expected(300, 300));
    EXPECT_EQ(machine.ReadFile(kInstalled + "01G0.ICB"), Expected(300, 300));
}

TEST_F(IccModuleTest, TemporaryProfileFollowsTheDeviceModeAndIsRecorded)
{
    struct Case {
        int quality, yResolution;
        const char* file;
        int x, y;
    };
    const Case cases[] = {
        {600, 1200, "03TMP.ICB", 600, 1200}, {300, 300, "01TMP.ICB", 300, 300}, {600, 600, "02TMP.ICB", 600, 600},
        {-2, 0, "01TMP.ICB", 300, 300},      {-3, 0, "02TMP.ICB", 600, 600},    {-4, 1200, "03TMP.ICB", 600, 1200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.quality) + "/" + std::to_string(c.yResolution));
        machine.WriteFile(kCatalog, kCatalogText);
        recorder->Reset();
        DEVMODEA devMode{};
        devMode.dmPrintQuality = static_cast<SHORT>(c.quality);
        devMode.dmYResolution = static_cast<SHORT>(c.yResolution);
        Module()->MakeTemporaryProfile(&devMode, table, kCatalog);

        const auto calls = ProfileCalls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(RequestOf(calls[1]).x, c.x);
        EXPECT_EQ(RequestOf(calls[1]).y, c.y);
        EXPECT_EQ(RequestOf(calls[1]).table, table);
        EXPECT_EQ(machine.ReadFile(kDataFolder + c.file), Expected(c.x, c.y));
        CIniAcc catalog(kCatalog);
        EXPECT_EQ(catalog.GetString("Temporary", "ICCData"), kDataFolder + c.file);
        EXPECT_EQ(catalog.GetString("Config", "UpDate"), "1");
        // A test print's profile is not installed with the driver.
        EXPECT_FALSE(machine.Exists(kInstalled + c.file));
    }
}

TEST_F(IccModuleTest, DeviceModeWithoutProfileResolutionWritesAndRecordsNothing)
{
    struct Case {
        int quality, yResolution;
    };
    const Case cases[] = {{300, 600}, {1200, 1200}, {600, 0}, {-1, 600}, {-5, 0}, {0, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.quality) + "/" + std::to_string(c.yResolution));
        DEVMODEA devMode{};
        devMode.dmPrintQuality = static_cast<SHORT>(c.quality);
        devMode.dmYResolution = static_cast<SHORT>(c.yResolution);
        Module()->MakeTemporaryProfile(&devMode, table, kCatalog);
    }
    Module()->MakeTemporaryProfile(nullptr, table, kCatalog);
    EXPECT_TRUE(ProfileCalls().empty());
    EXPECT_TRUE(ProfileFiles(kDataFolder).empty());
    EXPECT_EQ(machine.ReadFile(kCatalog), kCatalogText);
}

TEST_F(IccModuleTest, MissingModuleFailsBeforeAnyFileIsWritten)
{
    for (const char* version : {kMissing, kWithoutExport}) {
        SCOPED_TRACE(version);
        auto module = Module(version);
        EXPECT_EQ(ThrownId([&] { module->MakeProfiles(table, CIccModule::gammaProfiles, "Soft", kCatalog); }),
                  IDS_ERR_MODULE_FAILED);
        DEVMODEA devMode{};
        devMode.dmPrintQuality = 600;
        devMode.dmYResolution = 600;
        EXPECT_EQ(ThrownId([&] { module->MakeTemporaryProfile(&devMode, table, kCatalog); }), IDS_ERR_MODULE_FAILED);
    }
    EXPECT_TRUE(ProfileFiles(kDataFolder).empty());
    EXPECT_FALSE(machine.Exists(kInstalled));
    EXPECT_EQ(machine.ReadFile(kCatalog), kCatalogText);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(IccModuleTest, ModuleReportingFailureWritesNothing)
{
    recorder->SetProfileResult(1);
    auto module = Module();
    EXPECT_EQ(ThrownId([&] { module->MakeProfiles(table, CIccModule::colorProfiles, "Warm", kCatalog); }),
              IDS_ERR_MODULE_FAILED);
    EXPECT_EQ(ProfileCalls().size(), 2u);  // stops at the first profile
    DEVMODEA devMode{};
    devMode.dmPrintQuality = -3;
    EXPECT_EQ(ThrownId([&] { module->MakeTemporaryProfile(&devMode, table, kCatalog); }), IDS_ERR_MODULE_FAILED);
    EXPECT_TRUE(ProfileFiles(kDataFolder).empty());
    // No path to a profile that was never written.
    EXPECT_EQ(machine.ReadFile(kCatalog), kCatalogText);

    // Any other result is success.
    recorder->SetProfileResult(7);
    module->MakeTemporaryProfile(&devMode, table, kCatalog);
    EXPECT_EQ(machine.ReadFile(kDataFolder + "02TMP.ICB"), Expected(600, 600));
}

TEST_F(IccModuleTest, UnknownSettingOrKindMakesNoProfile)
{
    auto module = Module();
    module->MakeProfiles(table, CIccModule::gammaProfiles, "Warm", kCatalog);  // a colour setting
    module->MakeProfiles(table, CIccModule::colorProfiles, "", kCatalog);
    module->MakeProfiles(table, CIccModule::temporaryProfile, "Soft", kCatalog);
    module->MakeProfiles(table, 3, "Soft", kCatalog);
    EXPECT_TRUE(ProfileCalls().empty());
    EXPECT_TRUE(ProfileFiles(kDataFolder).empty());
}

TEST_F(IccModuleTest, PrinterWithoutDriverKeepsTheProfilesInTheDataFolderOnly)
{
    Module(kRecording, "No Such Printer")->MakeProfiles(table, CIccModule::gammaProfiles, "Soft", kCatalog);
    EXPECT_EQ(ProfileFiles(kDataFolder).size(), 3u);
    EXPECT_FALSE(machine.Exists(kInstalled));
    EXPECT_FALSE(machine.Exists("C:\\Host\\Tav Laser"));
}

}  // namespace
