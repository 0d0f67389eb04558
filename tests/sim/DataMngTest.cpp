// The colour and gamma data managers on simulated machines: loading and saving data files,
// tables through the module into the driver catalogue and its local copy, the profiles of
// "EMF" models, and removing all of it again, in "EMF" and in raw mode.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "color/CColorDataMng.h"
#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CmyException.h"
#include "modules/recording/RecordingClient.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/ThrownId.h"

namespace {

const std::string kCatalog =
    "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=Warm\r\nCCMNT4=0A1B\r\nCCMNV4=ff00\r\n"
    "[Gamma]\r\nSettingNum=1\r\nSettingID0=2\r\nSettingName2=Soft\r\nSoft=3\r\nCCMNT2=0A1B\r\nCCMNV2=ff00\r\n";

// The recording module's tables for a table of size bytes, as the catalogue holds them.
std::string RecordedText(int size, bool tTable)
{
    std::string text;
    char pair[3];
    for (int k = 0; k < size; ++k) {
        std::snprintf(pair, sizeof pair, "%02X", tTable ? recording::TByte(k) : recording::VByte(k));
        text += pair;
    }
    return text;
}

class DataMngTest : public ::testing::TestWithParam<SimPrinterModel> {
protected:
    void SetUp() override
    {
        model = GetParam();
        model.Install(machine, kCatalog);
        // The recording module stands in for both libraries so the tests know every byte.
        const std::string section = "CCMVer" + model.version;
        const std::string ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
        WritePrivateProfileStringA(section.c_str(), "Module", "TVRECORD.dll", ini.c_str());
        WritePrivateProfileStringA(section.c_str(), "IccModule", "TVRECORD.dll", ini.c_str());
        ASSERT_TRUE(recorder.Loaded());
        info = model.Info();
        // A second spooler folder that can hold a copy of the catalogue.
        info.driverFolders.Add(kOtherFolder);
    }

    // Gives the stored setting of id in section tables of the module's size (228 bytes)
    // that start as the two-byte ones of kCatalog.
    void StoreFullTables(const char* section, const std::string& id) const
    {
        CIniAcc ini(info.driverCatalogPath);
        const std::string zeros(2 * 226, '0');
        ini.WriteString(section, ("CCMNT" + id).c_str(), ("0A1B" + zeros).c_str());
        ini.WriteString(section, ("CCMNV" + id).c_str(), ("FF00" + zeros).c_str());
    }

    // The driver catalogue as it is now, copied into the second folder.
    void CopyToOtherFolder() { machine.WriteFile(kOtherFolder + model.catalogFile, machine.ReadFile(info.driverCatalogPath)); }

    bool Emf() const { return model.printMode == "EMF"; }
    std::string Value(const std::string& file, const char* section, const std::string& key) const
    {
        return CIniAcc(file).GetString(section, key);
    }

    const std::string kOtherFolder = "C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\2\\";
    SimMachine machine;
    SimPrinterModel model;
    RecordingClient recorder;
    MessageBoxRecorder boxes;
    CUtilityInfo info;
};

// Records what it is asked to build, writes each file it is given with its own bytes, and
// fails when told to.
class FakeProfileBuilder : public IProfileBuilder {
public:
    void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                       const std::string& catalogPath, const ProfileFiles& into) override
    {
        requests.push_back({kind, name, catalogPath, info.printerName, tTable[0], into});
        if (fail) throw CmyException(IDS_ERR_MODULE_FAILED);
        for (const std::string& file : into) {
            const std::string bytes = "built " + name;
            CFileAcc().WriteStagedData(file, bytes.data(), static_cast<DWORD>(bytes.size()));
        }
    }

    struct Request {
        int kind;
        std::string name, catalogPath, printer;
        BYTE firstT;
        ProfileFiles into;
    };
    std::vector<Request> requests;
    bool fail = false;
};

std::string ModelName(const ::testing::TestParamInfo<SimPrinterModel>& param)
{
    return param.param.printMode == "EMF" ? "Emf" : "Raw";
}

INSTANTIATE_TEST_SUITE_P(Modes, DataMngTest, ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::Raw331()),
                         ModelName);

TEST_P(DataMngTest, StoredTablesAreReadAsBytes)
{
    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    ASSERT_EQ(info.driverCatalogPath, model.CatalogPath());
    ASSERT_EQ(info.ccmVersion, model.version);
    ASSERT_EQ(info.driverName, model.driver);
    EXPECT_EQ(colour.ReadCCM("Warm", nullptr, nullptr), 2);
    BYTE v2[2] = {};
    EXPECT_EQ(colour.ReadCCM("Warm", nullptr, v2), 2);
    EXPECT_EQ(v2[0], 0);  // a length query fills nothing
    BYTE t[2] = {}, v[2] = {};
    EXPECT_EQ(colour.ReadCCM("Warm", t, v), 0);
    EXPECT_EQ(t[0], 0x0A);
    EXPECT_EQ(t[1], 0x1B);
    EXPECT_EQ(v[0], 0xFF);
    EXPECT_EQ(v[1], 0x00);

    // Damaged or missing tables are reported, never read past.
    const std::string catalog = info.driverCatalogPath;
    CIniAcc ini(catalog);
    for (const char* damagedV : {"ff", "ff0", "fg00", ""}) {
        ini.WriteString("Color", "CCMNV4", damagedV);
        EXPECT_EQ(ThrownId([&] { colour.ReadCCM("Warm", t, v); }), IDS_ERR_SETTING_DATA_MISSING) << damagedV;
    }
    EXPECT_EQ(ThrownId([&] { colour.ReadCCM("Nobody", nullptr, nullptr); }), IDS_ERR_SETTING_DATA_MISSING);
}

TEST_P(DataMngTest, ColourSaveStoresTablesEverywhereAndProfilesForEmf)
{
    CColorDataMng colour;
    info.selectedSettingName = "Warm";
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    // The second folder holds a copy that knows "Bright" but not its profiles.
    ASSERT_EQ(colour.SaveCCM("Bright", 0, ""), 1);
    CopyToOtherFolder();
    CIniAcc(kOtherFolder + model.catalogFile).WriteString("Color", "02C0.ICB", nullptr);
    ASSERT_EQ(colour.SaveCCM("Bright", 0, ""), 1);
    EXPECT_EQ(boxes.Count(), 0u);

    // "Bright" took the lowest free identifier, 0.
    for (const std::string& file : {info.driverCatalogPath, info.localCatalogPath}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Value(file, "Color", "CCMNT0"), RecordedText(228, true));
        EXPECT_EQ(Value(file, "Color", "CCMNV0"), RecordedText(228, false));
        EXPECT_EQ(Value(file, "Config", "UpDate"), "1");
        EXPECT_EQ(Value(file, "Color", "01C0.ICB").empty(), !Emf());
    }
    EXPECT_EQ(Value(kOtherFolder + model.catalogFile, "Color", "02C0.ICB").empty(), !Emf());
    EXPECT_TRUE(machine.Exists(model.DataFolder() + "UCD0.dat"));
    for (const char* file : {"01C0.ICB", "02C0.ICB", "03C0.ICB"}) {
        EXPECT_EQ(machine.Exists(model.DataFolder() + file), Emf()) << file;
    }
    // The defaults were unchanged: the module saw no patch flagged.
    const auto calls = recorder.Calls();
    bool adjusted = false;
    for (const auto& call : calls) {
        if (std::string(call.function) != "PCA_AdjustCCMPARAM" || call.firstNull) continue;
        adjusted = true;
        int32_t changed[40];
        std::memcpy(changed, call.block + 964, sizeof changed);
        for (int32_t flag : changed) EXPECT_EQ(flag, 0);
        EXPECT_EQ(call.flag, 0);
    }
    EXPECT_TRUE(adjusted);

    // Deleting everywhere takes the entry, the tables and the profiles back out.
    colour.DeleteCCM("Bright");
    for (const std::string& file : {info.driverCatalogPath, info.localCatalogPath}) {
        EXPECT_EQ(Value(file, "Color", "CCMNT0"), "");
        EXPECT_EQ(Value(file, "Color", "01C0.ICB"), "");
    }
    EXPECT_EQ(Value(kOtherFolder + model.catalogFile, "Color", "02C0.ICB"), "");
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "01C0.ICB"));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD0.dat"));
    EXPECT_EQ(colour.GetSettingNames().GetSize(), 1);
    EXPECT_EQ(colour.RemoveSetting("Bright"), FALSE);
}

TEST_P(DataMngTest, ProfilesOfASaveAreBuiltByTheGivenBuilder)
{
    FakeProfileBuilder builder;
    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    colour.SetProfileBuilder(&builder);
    colour.LoadDefaultData();
    colour.UseDefaults();
    ASSERT_EQ(colour.SaveCCM("Bright", 0, ""), 1);
    CGammaDataMng gamma;
    gamma.SetDriver(info);
    gamma.SetProfileBuilder(&builder);
    StoreFullTables("Gamma", "2");
    ASSERT_EQ(gamma.SaveSetting("Soft", 1, "Soft"), 1);

    if (!Emf()) {
        EXPECT_TRUE(builder.requests.empty());
        return;
    }
    ASSERT_EQ(builder.requests.size(), 2u);
    EXPECT_EQ(builder.requests[0].kind, IProfileBuilder::colorProfiles);
    EXPECT_EQ(builder.requests[0].name, "Bright");
    EXPECT_EQ(builder.requests[0].printer, info.printerName);
    EXPECT_EQ(builder.requests[0].firstT, recording::TByte(0));
    EXPECT_EQ(builder.requests[1].kind, IProfileBuilder::gammaProfiles);
    EXPECT_EQ(builder.requests[1].name, "Soft");
    // What the builder wrote into the staged files is what got stored, and nothing else.
    for (const std::string& staged : builder.requests[0].into) {
        ASSERT_GT(staged.size(), 6u);
        const std::string stored = staged.substr(0, staged.size() - 6);
        EXPECT_EQ(staged.substr(stored.size()), ".stage");
        EXPECT_EQ(machine.ReadFile(stored), "built Bright") << stored;
        EXPECT_FALSE(machine.Exists(staged));
    }

    // A profile that could not be built fails the save with the builder's message, and
    // leaves every catalogue and the data file as they were.
    builder.fail = true;
    const std::string driver = machine.ReadFile(info.driverCatalogPath);
    const std::string local = machine.ReadFile(info.localCatalogPath);
    const std::string data = machine.ReadFile(model.DataFolder() + "UCD0.dat");
    colour.GetCurrent().SetValue(3, 20, 5, 1);
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Bright", 0, ""); }), IDS_ERR_MODULE_FAILED);
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Other", 0, ""); }), IDS_ERR_MODULE_FAILED);
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), driver);
    EXPECT_EQ(machine.ReadFile(info.localCatalogPath), local);
    EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UCD0.dat"), data);
}

TEST_P(DataMngTest, ColourTablesStartFromAStoredSourceOfTheModuleSizeOnly)
{
    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    // Two stored bytes, or one byte more than the module's 228: a damaged entry, never used.
    const std::string before = machine.ReadFile(info.driverCatalogPath);
    EXPECT_EQ(ThrownId([&] { colour.WriteTemporaryCCM("Warm", 1, "Warm"); }), IDS_ERR_FILE_ACCESS);
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Copy", 1, "Warm"); }), IDS_ERR_FILE_ACCESS);
    StoreFullTables("Color", "4");
    CIniAcc(info.driverCatalogPath).WriteString("Color", "CCMNT4", (Value(info.driverCatalogPath, "Color", "CCMNT4") + "1B").c_str());
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Copy", 1, "Warm"); }), IDS_ERR_FILE_ACCESS);
    CIniAcc(info.driverCatalogPath).WriteString("Color", "CCMNV4", (Value(info.driverCatalogPath, "Color", "CCMNV4") + "1B").c_str());
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Copy", 1, "Warm"); }), IDS_ERR_FILE_ACCESS);
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "SettingNum"), "1");
    EXPECT_FALSE(machine.Exists(info.localCatalogPath));

    StoreFullTables("Color", "4");
    colour.WriteTemporaryCCM("Warm", 1, "Warm");
    // The module was given the stored bytes in buffers of its size.
    const auto calls = recorder.Calls();
    ASSERT_FALSE(calls.empty());
    const auto& adjust = calls.back();
    EXPECT_EQ(adjust.flag, 1);
    EXPECT_EQ(adjust.tableT[0], 0x0A);
    EXPECT_EQ(adjust.tableV[0], 0xFF);
    EXPECT_EQ(adjust.tableT[1], 0x1B);
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "CCMNT4"), RecordedText(228, true));
    // A temporary write leaves the local copy and the profile files alone.
    EXPECT_FALSE(machine.Exists(info.localCatalogPath));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "01C4.ICB"));
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "01C4.ICB").empty(), !Emf());

    // Its removal takes the tables and the recorded profiles; the entry stays.
    colour.DeleteTemporaryCCM("Warm");
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "CCMNT4"), "");
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "01C4.ICB"), "");
    EXPECT_EQ(Value(info.driverCatalogPath, "Color", "SettingName4"), "Warm");
}

TEST_P(DataMngTest, ColourDataFileRoundTripAndFallbacks)
{
    CColorDataMng colour;
    info.selectedSettingName = "Warm";
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    colour.GetCurrent().SetValue(3, 20, 5, 1);
    ASSERT_EQ(colour.SaveCCM("Warm", 0, ""), 1);
    colour.RevertToStored();
    colour.LoadStoredData();
    int x = 0, y = 0;
    colour.GetCurrent().GetValue(3, x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 5);
    EXPECT_EQ(colour.IsUnchanged(), 0);
    colour.AcceptCurrent();
    EXPECT_EQ(colour.IsUnchanged(), 1);

    // A file holding the null object loads as the defaults; a missing one too, with IDS_ERR_SETTING_DATA_MISSING.
    machine.WriteFile(model.DataFolder() + "UCD4.dat", std::string("\0\0", 2));
    colour.LoadStoredData();
    EXPECT_EQ(colour.GetCurrent().IsEqual(colour.GetDefault()), 1);
    EXPECT_EQ(boxes.Count(), 0u);
    colour.DeleteDataFile("Warm");
    colour.LoadStoredData();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().text.find("Warm"), std::string::npos);
    EXPECT_EQ(colour.GetCurrent().IsEqual(colour.GetDefault()), 1);
}

TEST_P(DataMngTest, GammaSaveFromAUserSettingKeepsItsModeAndProfiles)
{
    CGammaDataMng gamma;
    gamma.SetDriver(info);
    gamma.LoadDefaultSetting("Vivid");
    EXPECT_DOUBLE_EQ(gamma.GetCurrent().GetGamma(), recording::DefaultGamma(1) / 100.0);
    gamma.SetGamma(1.8);
    // The two stored bytes of "Soft" are no tables of the module's size.
    EXPECT_EQ(ThrownId([&] { gamma.SaveSetting("Copy", 1, "Soft"); }), IDS_ERR_FILE_ACCESS);
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "Copy"), "");
    StoreFullTables("Gamma", "2");
    ASSERT_EQ(gamma.SaveSetting("Copy", 1, "Soft"), 1);
    EXPECT_EQ(boxes.Count(), 0u);

    const auto calls = recorder.Calls();
    const recording::Call* adjust = nullptr;
    for (const auto& call : calls) {
        if (std::string(call.function) == "MCA_AdjustCCMPARAM" && !call.firstNull) adjust = &call;
    }
    ASSERT_NE(adjust, nullptr);
    int32_t block[4];
    std::memcpy(block, adjust->block, sizeof block);
    EXPECT_EQ(block[0], 3);    // the source setting's mode
    EXPECT_EQ(block[1], 180);  // gamma × 100
    EXPECT_EQ(adjust->flag, 1);
    EXPECT_EQ(adjust->tableT[1], 0x1B);

    for (const std::string& file : {info.driverCatalogPath, info.localCatalogPath}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Value(file, "Gamma", "Copy"), "3");
        EXPECT_EQ(Value(file, "Gamma", "CCMNT0"), RecordedText(228, true));
        EXPECT_EQ(Value(file, "Gamma", "03G0.ICB").empty(), !Emf());
    }
    EXPECT_EQ(machine.Exists(model.DataFolder() + "01G0.ICB"), Emf());

    gamma.DeleteSetting("Copy");
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "Copy"), "");
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "CCMNT0"), "");
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "01G0.ICB"), "");
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "01G0.ICB"));
    EXPECT_EQ(Value(info.localCatalogPath, "Gamma", "Copy"), "3");  // the driver catalogue only
    gamma.DeleteSettingEverywhere("Copy");
    EXPECT_EQ(Value(info.localCatalogPath, "Gamma", "Copy"), "");
    EXPECT_EQ(Value(info.localCatalogPath, "Gamma", "CCMNV0"), "");
}

TEST_P(DataMngTest, GammaSaveRefusesANameThatReadsAsACatalogueKey)
{
    CGammaDataMng gamma;
    gamma.SetDriver(info);
    gamma.LoadDefaultSetting("Vivid");
    const std::string before = machine.ReadFile(info.driverCatalogPath);
    for (const std::string name : {"SettingNum", "CCMNV2", "02G2.icb", "x=y", "'Dusk'"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ThrownId([&] { gamma.SaveSetting(name, 0, ""); }), IDS_ERR_NAME_OF_DEFAULT_SETTING);
        EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), before);
    }
}

TEST_P(DataMngTest, GammaFailuresLeaveNothingHalfStored)
{
    CGammaDataMng gamma;
    info.defaultSettingNumber = 2;
    gamma.SetDriver(info);
    // A default-setting value that is no number gives mode 0.
    const std::string ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
    WritePrivateProfileStringA(("DefaultSettingVer" + model.version).c_str(), "Odd", "high", ini.c_str());
    gamma.LoadDefaultSetting("Odd");
    EXPECT_DOUBLE_EQ(gamma.GetCurrent().GetGamma(), recording::DefaultGamma(0) / 100.0);

    recorder.SetTableSize(0);
    EXPECT_EQ(ThrownId([&] { gamma.SaveTemporarySetting("Soft", 0, ""); }), IDS_ERR_SETTING_NOT_STORED);
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "Soft"), "3");
    EXPECT_EQ(Value(info.driverCatalogPath, "Gamma", "CCMNT2"), "0A1B");
    recorder.SetTableSize(228);

    // An unknown name keeps the stored values and says so.
    gamma.CommitCurrent();
    gamma.SetGamma(2.3);
    gamma.LoadSetting("Nobody");
    EXPECT_EQ(gamma.IsUnchanged(), 1);
    EXPECT_EQ(boxes.Count(), 1u);

    // A driver catalogue that cannot be replaced fails the save, and nothing else took it:
    // no local copy, no data file.
    CUtilityInfo broken = info;
    broken.driverCatalogPath = model.DataFolder();
    gamma.SetDriver(broken);
    EXPECT_EQ(ThrownId([&] { gamma.SaveSetting("Soft", 0, ""); }), IDS_ERR_SETTING_NOT_STORED);
    EXPECT_FALSE(machine.Exists(info.localCatalogPath));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UGD2.dat"));
}

TEST_P(DataMngTest, AFreshDriverCatalogueIsNeverCopiedOverTheLocalCopy)
{
    // The driver replaced its catalogue (no update mark); the user's settings are only in the
    // local copy, because bringing them back failed.
    const std::string local = "[Config]\r\nUpDate=1\r\n[Color]\r\nSettingNum=1\r\nSettingID0=7\r\n"
                              "SettingName7=Mine\r\nCCMNT7=0101\r\nCCMNV7=0202\r\n[Gamma]\r\nSettingNum=0\r\n";
    machine.WriteFile(info.localCatalogPath, local);
    StoreFullTables("Gamma", "2");
    const std::string driver = machine.ReadFile(info.driverCatalogPath);
    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    CGammaDataMng gamma;
    gamma.SetDriver(info);

    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Bright", 0, ""); }), IDS_ERR_CATALOG_NOT_RESTORED);
    EXPECT_EQ(ThrownId([&] { gamma.SaveSetting("Soft", 1, "Soft"); }), IDS_ERR_CATALOG_NOT_RESTORED);
    EXPECT_EQ(ThrownId([&] { colour.DeleteCCM("Warm"); }), IDS_ERR_CATALOG_NOT_RESTORED);
    EXPECT_EQ(ThrownId([&] { gamma.DeleteSettingEverywhere("Soft"); }), IDS_ERR_CATALOG_NOT_RESTORED);
    EXPECT_EQ(machine.ReadFile(info.localCatalogPath), local);
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), driver);
}

TEST_P(DataMngTest, AColourModuleWithoutTablesStoresNothing)
{
    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    const std::string before = machine.ReadFile(info.driverCatalogPath);
    recorder.SetTableSize(0);
    EXPECT_EQ(ThrownId([&] { colour.SaveCCM("Bright", 0, ""); }), IDS_ERR_SETTING_NOT_STORED);
    EXPECT_EQ(machine.ReadFile(info.driverCatalogPath), before);
    EXPECT_FALSE(machine.Exists(info.localCatalogPath));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD0.dat"));
}

}  // namespace
