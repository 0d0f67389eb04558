// The ICC module stand-in's profiles opened with Little CMS: every profile made here must open
// and give working transforms both ways. Tables come from the printer-model module stand-in
// through the wrappers, and from hostile byte patterns.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "color/CCcmTables.h"
#include "color/CColorData.h"
#include "color/CColorModule.h"
#include "color/CCoreModule.h"
#include "gamma/CGammaData.h"
#include "gamma/CIccModule.h"
#include "platform/win32api.h"
#include "support/SimMachine.h"

namespace {

constexpr int kTableSize = 228;
const char kVersion[] = "10";
const char kDriver[] = "Tav Laser";
const char kPrinter[] = "Tav Laser Office";
const char kCatalog[] = "C:\\Drivers\\TVCCM.INI";
const std::string kDataFolder = "C:\\Host\\Tintora\\Tav Laser\\";
const std::string kDriverFolder = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\";

using Table = std::vector<BYTE>;
using ProfileFn = int (*)(BYTE*, PROFILEREQUEST*, DWORD*);

struct ProfileDeleter {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileDeleter>;

class IccProfileLcmsTest : public ::testing::Test {
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
                          "[CCMVer10]\r\nModule=TVCCM.dll\r\nIccModule=TVICC.dll\r\n");
        machine.WriteFile(kDriverFolder + "TAVDRV.DLL", "driver");
        machine.WriteFile(kDataFolder + "keep", "");
        machine.WriteFile(kCatalog,
                          "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=Warm\r\n"
                          "[Gamma]\r\nSettingNum=1\r\nSettingID0=2\r\nSettingName2=Soft\r\n");
        iccModule = LoadLibraryA("TVICC.dll");
        ASSERT_NE(iccModule, nullptr);
        getProfile = reinterpret_cast<ProfileFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(iccModule, "MPCA_GetCustomProfile")));
        ASSERT_NE(getProfile, nullptr);
        sRgb = cmsCreate_sRGBProfile();
    }

    void TearDown() override
    {
        if (sRgb) cmsCloseProfile(sRgb);
        if (iccModule) FreeLibrary(iccModule);
    }

    // A profile straight from the module.
    std::vector<BYTE> Make(const Table& t, int x, int y)
    {
        PROFILEREQUEST request{0, x, y, 1, t.data()};
        DWORD size = 0;
        EXPECT_NE(getProfile(nullptr, &request, &size), 1);
        std::vector<BYTE> profile(size);
        EXPECT_NE(getProfile(profile.data(), &request, &size), 1);
        EXPECT_EQ(size, profile.size());
        return profile;
    }

    // Opens the profile, checks what it claims to be and that transforms both ways work.
    void Check(const std::vector<BYTE>& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        Profile profile(cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())));
        ASSERT_TRUE(profile) << "Little CMS refused the profile";
        cmsHPROFILE p = profile.get();
        EXPECT_EQ(cmsGetDeviceClass(p), cmsSigOutputClass);
        EXPECT_EQ(cmsGetColorSpace(p), cmsSigRgbData);
        EXPECT_EQ(cmsGetPCS(p), cmsSigLabData);
        EXPECT_EQ(cmsGetEncodedICCversion(p), 0x02400000u);
        for (cmsTagSignature tag : {cmsSigProfileDescriptionTag, cmsSigCopyrightTag, cmsSigMediaWhitePointTag,
                                    cmsSigAToB0Tag, cmsSigAToB1Tag, cmsSigAToB2Tag, cmsSigBToA0Tag, cmsSigBToA1Tag,
                                    cmsSigBToA2Tag, cmsSigGamutTag}) {
            EXPECT_TRUE(cmsIsTag(p, tag)) << std::hex << tag;
        }
        EXPECT_TRUE(cmsIsIntentSupported(p, INTENT_PERCEPTUAL, LCMS_USED_AS_OUTPUT));
        EXPECT_TRUE(cmsIsIntentSupported(p, INTENT_RELATIVE_COLORIMETRIC, LCMS_USED_AS_INPUT));

        // Device values in 16 bits and the profile's own tables, not an optimised copy of them:
        // a steep tone curve leaves too few steps to come back otherwise.
        cmsHTRANSFORM toPrinter =
            cmsCreateTransform(sRgb, TYPE_RGB_8, p, TYPE_RGB_16, INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE);
        cmsHTRANSFORM fromPrinter =
            cmsCreateTransform(p, TYPE_RGB_16, sRgb, TYPE_RGB_8, INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE);
        cmsHTRANSFORM plain = cmsCreateTransform(sRgb, TYPE_RGB_8, p, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
        cmsHTRANSFORM proof = cmsCreateProofingTransform(sRgb, TYPE_RGB_8, sRgb, TYPE_RGB_8, p,
                                                         INTENT_PERCEPTUAL, INTENT_RELATIVE_COLORIMETRIC,
                                                         cmsFLAGS_GAMUTCHECK);
        ASSERT_NE(toPrinter, nullptr);
        ASSERT_NE(fromPrinter, nullptr);
        ASSERT_NE(proof, nullptr);
        ASSERT_NE(plain, nullptr);

        const BYTE colours[][3] = {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}, {255, 0, 0}, {0, 160, 80}};
        uint16_t device[5][3] = {};
        BYTE back[5][3] = {};
        BYTE proofed[5][3] = {};
        cmsDoTransform(toPrinter, colours, device, 5);
        cmsDoTransform(fromPrinter, device, back, 5);
        cmsDoTransform(proof, colours, proofed, 5);
        cmsDoTransform(plain, colours, proofed, 5);
        // Paper white stays the lightest and black the darkest colour the printer makes.
        EXPECT_GT(device[0][0] + device[0][1] + device[0][2], device[2][0] + device[2][1] + device[2][2]);
        EXPECT_GT(device[2][0] + device[2][1] + device[2][2], device[1][0] + device[1][1] + device[1][2]);
        // There and back again keeps a grey grey and a red red.
        EXPECT_NEAR(back[2][0], back[2][1], 24);
        EXPECT_NEAR(back[2][1], back[2][2], 24);
        EXPECT_GT(back[3][0], back[3][1] + 60);
        cmsDeleteTransform(toPrinter);
        cmsDeleteTransform(fromPrinter);
        cmsDeleteTransform(proof);
        cmsDeleteTransform(plain);
    }

    Table ColourTable(const CColorData* edited)
    {
        CColorModule module(kVersion);
        CColorData data;
        module.LoadDefaults(data, 0);
        module.SetColorData(edited ? *edited : data, 0);
        CCcmTables tables;
        tables.Compute(module, 0);
        EXPECT_EQ(tables.GetSize(), kTableSize);
        return Table(tables.T(), tables.T() + tables.GetSize());
    }

    Table GammaTable(int mode, const Table* stored)
    {
        CCoreModule module(kVersion);
        const COREPARAM& d = module.GetDefaults(mode);
        CGammaData data;
        data.SetGamma(d.gamma[0] / 100.0);
        int hue[6], flag[6], level[6];
        for (int z = 0; z < 6; ++z) {
            hue[z] = d.zone[z].hue;
            flag[z] = d.zone[z].hueFromPrinter;
            level[z] = (d.level[z] * 3) % 51;
        }
        data.SetHue(hue, flag);
        data.SetLevel(level);
        module.SetGammaData(data, mode);
        CCcmTables tables;
        tables.Allocate(kTableSize);
        if (stored) {
            std::copy(stored->begin(), stored->end(), tables.T());
            std::copy(stored->begin(), stored->end(), tables.V());
        }
        tables.Compute(module, stored ? 1 : 0);
        return Table(tables.T(), tables.T() + tables.GetSize());
    }

    SimMachine machine;
    HMODULE iccModule = nullptr;
    ProfileFn getProfile = nullptr;
    cmsHPROFILE sRgb = nullptr;
};

const std::array<std::pair<int, int>, 5> kResolutions = {{{300, 300}, {600, 600}, {600, 1200}, {1200, 1200}, {72, 96}}};

TEST_F(IccProfileLcmsTest, ProfilesOfModuleTablesOpenAndTransform)
{
    std::vector<std::pair<std::string, Table>> tables;
    tables.emplace_back("colour defaults", ColourTable(nullptr));
    CColorData edited;
    {
        CColorModule module(kVersion);
        module.LoadDefaults(edited, 0);
    }
    for (int i = 0; i < 40; i += 3) {
        int x = 0, y = 0;
        edited.GetValue(i, x, y);
        if (x != 0 || y != 0) edited.SetValue(i, (x + 2) % 36, y + 4, 1);
    }
    tables.emplace_back("colour edited", ColourTable(&edited));
    for (const auto& [name, t] : tables) {
        for (const auto& [x, y] : kResolutions) {
            Check(Make(t, x, y), name + " " + std::to_string(x) + "x" + std::to_string(y));
        }
    }
    // One resolution per gamma mode keeps the program quick; each resolution comes up.
    for (int mode = 0; mode < 8; ++mode) {
        const auto& [x, y] = kResolutions[mode % kResolutions.size()];
        Check(Make(GammaTable(mode, nullptr), x, y), "gamma mode " + std::to_string(mode));
    }
    Table noise(kTableSize);
    std::srand(7);
    for (BYTE& b : noise) b = static_cast<BYTE>(std::rand());
    Check(Make(GammaTable(3, &noise), 1200, 1200), "gamma on top of noise");
}

TEST_F(IccProfileLcmsTest, HostileTablesStillGiveUsableProfiles)
{
    Table zeros(kTableSize, 0), full(kTableSize, 0xFF), falling(kTableSize), noise(kTableSize);
    for (int k = 0; k < kTableSize; ++k) falling[k] = static_cast<BYTE>(255 - k);
    std::srand(11);
    for (BYTE& b : noise) b = static_cast<BYTE>(std::rand());
    Check(Make(zeros, 600, 600), "zeros");
    Check(Make(full, 600, 600), "all 0xFF");
    Check(Make(falling, 300, 300), "falling curves");
    Check(Make(noise, 600, 1200), "noise");
}

TEST_F(IccProfileLcmsTest, ProfileFilesWrittenByTheWrapperOpen)
{
    const Table t = GammaTable(2, nullptr);
    CIccModule icc(kVersion);
    icc.SetNames(kDriver, kPrinter);
    icc.MakeProfiles(t.data(), CIccModule::gammaProfiles, "Soft", kCatalog);
    icc.MakeProfiles(ColourTable(nullptr).data(), CIccModule::colorProfiles, "Warm", kCatalog);
    DEVMODEA devMode{};
    devMode.dmPrintQuality = 600;
    devMode.dmYResolution = 1200;
    icc.MakeTemporaryProfile(&devMode, t.data(), kCatalog);

    const std::vector<std::string> files = {"01G2.ICB", "02G2.ICB", "03G2.ICB", "01C4.ICB",
                                            "02C4.ICB", "03C4.ICB", "03TMP.ICB"};
    for (const std::string& file : files) {
        for (const std::string& folder : {kDataFolder, kDriverFolder + "Tav Laser\\"}) {
            if (folder != kDataFolder && file == "03TMP.ICB") continue;
            const std::string bytes = machine.ReadFile(folder + file);
            ASSERT_FALSE(bytes.empty()) << folder + file;
            Profile profile(cmsOpenProfileFromFile(machine.HostPath(folder + file).c_str(), "r"));
            ASSERT_TRUE(profile) << folder + file;
            Check(std::vector<BYTE>(bytes.begin(), bytes.end()), folder + file);
        }
    }
}

TEST_F(IccProfileLcmsTest, ProfileDependsOnEveryTableByteAndBothResolutions)
{
    const Table t = GammaTable(1, nullptr);
    const std::vector<BYTE> reference = Make(t, 600, 600);
    EXPECT_EQ(Make(t, 600, 600), reference);  // reproducible, date included
    EXPECT_NE(Make(t, 600, 1200), reference);
    EXPECT_NE(Make(t, 1200, 600), reference);
    for (int k = 0; k < kTableSize; ++k) {
        Table changed = t;
        changed[k] ^= 0x10;
        EXPECT_NE(Make(changed, 600, 600), reference) << k;
    }
}

TEST_F(IccProfileLcmsTest, MalformedRequestsFail)
{
    const Table t(kTableSize, 0x40);
    DWORD size = 0;
    PROFILEREQUEST request{0, 600, 600, 1, t.data()};
    ASSERT_EQ(getProfile(nullptr, &request, &size), 0);
    std::vector<BYTE> buffer(size);
    DWORD small = size - 1;
    EXPECT_EQ(getProfile(buffer.data(), &request, &small), 1);  // buffer too small
    for (PROFILEREQUEST bad : {PROFILEREQUEST{0, 600, 600, 1, nullptr}, PROFILEREQUEST{0, 600, 600, 2, t.data()},
                               PROFILEREQUEST{0, 0, 600, 1, t.data()}, PROFILEREQUEST{0, 600, -3, 1, t.data()}}) {
        DWORD badSize = 0;
        EXPECT_EQ(getProfile(nullptr, &bad, &badSize), 1);
        EXPECT_EQ(badSize, 0u);
    }
    EXPECT_EQ(getProfile(nullptr, nullptr, &size), 1);
    EXPECT_EQ(getProfile(nullptr, &request, nullptr), 1);
}

}  // namespace
