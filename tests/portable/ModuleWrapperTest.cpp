// The colour and core module wrappers on both targets: the blocks as a module receives them
// (through the recording module), the table buffers, missing libraries, and the printer-model
// module stand-in itself.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "color/CCcmTables.h"
#include "color/CColorData.h"
#include "color/CColorModule.h"
#include "color/CCoreModule.h"
#include "gamma/CGammaData.h"
#include "launch/CmyException.h"
#include "modules/recording/RecordingClient.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/ThrownId.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kRecording[] = "10";   // the recording module
const char kStandIn[] = "20";     // the printer-model module stand-in
const char kMissing[] = "30";     // a library that is not there
const char kWrongLibrary[] = "40";  // a library without the module's exports
constexpr int kTableSize = 228;

using Bytes = std::vector<uint8_t>;

void PutInt(Bytes& bytes, size_t offset, int32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

Bytes Block(const recording::Call& call)
{
    return Bytes(call.block, call.block + call.blockBytes);
}

Bytes Prior(const uint8_t* table, const recording::Call& call)
{
    return Bytes(table, table + call.tableBytes);
}

std::string Folder(std::string path)
{
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

class ModuleWrapperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
#endif
        char buffer[MAX_PATH + 1] = {};
        ASSERT_GT(GetCurrentDirectoryA(sizeof buffer, buffer), 0u);
        savedDirectory = buffer;
        ASSERT_GT(GetTempPathA(sizeof buffer, buffer), 0u);
        root = Folder(buffer) + "TvModuleTest";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA((root + "\\Tintora").c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
        ini = root + "\\Tintora\\Tavrel.ini";
        Write("CCMVer10", "Module", RecordingClient::fileName);
        Write("CCMVer20", "Module", "TVCCM.dll");
        Write("CCMVer30", "Module", "TVNOSUCH.dll");
        Write("CCMVer40", "Module", "TVICC.dll");
        recorder = std::make_unique<RecordingClient>();
        ASSERT_TRUE(recorder->Loaded());
    }

    void TearDown() override
    {
        recorder.reset();
        DeleteFileA(ini.c_str());
        RemoveDirectoryA((root + "\\Tintora").c_str());
        SetCurrentDirectoryA(savedDirectory.c_str());
        RemoveDirectoryA(root.c_str());
    }

    void Write(const char* section, const char* key, const char* value)
    {
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, ini.c_str()));
    }

    // The recording module's defaults for mode 0, as a setting.
    static CColorData RecordedDefaults()
    {
        CColorData data;
        for (int i = 0; i < 40; ++i) data.SetValue(i, recording::DefaultX(0, i), recording::DefaultY(0, i), 0);
        return data;
    }

    static Bytes ColourBlock(int32_t mode, const CColorData& data, const std::vector<int>& changed)
    {
        Bytes block(1124, 0);
        PutInt(block, 0, mode);
        for (int i = 0; i < 40; ++i) {
            int x = 0, y = 0;
            data.GetValue(i, x, y);
            PutInt(block, 4 + 8 * i, x);
            PutInt(block, 8 + 8 * i, y);
        }
        for (int i : changed) PutInt(block, 964 + 4 * i, 1);
        return block;
    }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    MessageBoxRecorder boxes;
    std::unique_ptr<RecordingClient> recorder;
    std::string savedDirectory;
    std::string root;
    std::string ini;
};

// ---- Colour wrapper: the block as the module receives it -------------------------------------

TEST_F(ModuleWrapperTest, ColourBlockReachesTheModuleByteForByte)
{
    CColorData data = RecordedDefaults();
    data.SetValue(3, 33, -4, 1);
    data.SetValue(17, recording::DefaultX(0, 17), recording::DefaultY(0, 17) + 1, 1);
    data.SetRanges(3, 9, 9, 9, 9);  // ranges of the setting are not passed on

    CColorModule module(kRecording);
    module.SetColorData(data, 0);
    CCcmTables tables;
    tables.Allocate(module.GetCCMSize());
    tables.Compute(module, 0);

    const auto calls = recorder->Calls();
    ASSERT_EQ(recorder->FunctionNames(),
              (std::vector<std::string>{"PCA_GetDefaultPARAM", "PCA_AdjustCCMPARAM", "PCA_AdjustCCMPARAM",
                                        "PCA_AdjustCCMPARAM", "PCA_AdjustCCMPARAM"}));
    // The defaults are asked for on a clean block of mode 0.
    EXPECT_EQ(Block(calls[0]), Bytes(1124, 0));
    // Size queries: two null tables, size 0, flag 0.
    for (int i : {1, 2, 3}) {
        EXPECT_TRUE(calls[i].firstNull && calls[i].secondNull);
        EXPECT_EQ(calls[i].sizeIn, 0);
        EXPECT_EQ(calls[i].flag, 0);
    }
    const recording::Call& compute = calls[4];
    EXPECT_EQ(Block(compute), ColourBlock(0, data, {3, 17}));
    EXPECT_FALSE(compute.firstNull || compute.secondNull);
    EXPECT_EQ(compute.sizeIn, kTableSize);
    EXPECT_EQ(compute.flag, 0);
    EXPECT_EQ(Prior(compute.tableT, compute), Bytes(kTableSize, 0));
    EXPECT_EQ(Prior(compute.tableV, compute), Bytes(kTableSize, 0));
    ASSERT_EQ(tables.GetSize(), kTableSize);
    for (int k = 0; k < kTableSize; ++k) {
        ASSERT_EQ(tables.T()[k], recording::TByte(k));
        ASSERT_EQ(tables.V()[k], recording::VByte(k));
    }
}

TEST_F(ModuleWrapperTest, ChangedFlagsMarkExactlyThePatchesAwayFromTheDefaults)
{
    CColorModule module(kRecording);
    CColorData data = RecordedDefaults();
    module.SetColorData(data, 0);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(module.GetParam().changed[i], 0) << i;

    // Either value alone away from its default makes the patch changed.
    data.SetValue(25, recording::DefaultX(0, 25) + 1, recording::DefaultY(0, 25), 0);
    data.SetValue(26, recording::DefaultX(0, 26), recording::DefaultY(0, 26) + 1, 0);
    module.SetColorData(data, 0);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(module.GetParam().changed[i], i == 25 || i == 26 ? 1 : 0) << i;

    // Flags of the setting itself do not count; the module defaults do.
    CColorData flagged = RecordedDefaults();
    for (int i = 0; i < 40; ++i) flagged.SetValue(i, recording::DefaultX(0, i), recording::DefaultY(0, i), 1);
    module.SetColorData(flagged, 6);
    EXPECT_EQ(module.GetParam().mode, 6);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(module.GetParam().changed[i], 0) << i;
    // The comparison uses the mode 0 defaults whatever mode the block is filled with.
    EXPECT_EQ(Block(recorder->Calls().back()), Bytes(1124, 0));
}

TEST_F(ModuleWrapperTest, LoadDefaultsFillsTheBlockAndGetDefaultsLeavesItAlone)
{
    CColorModule module(kRecording);
    CColorData data;
    data.SetValue(2, 1, 1, 1);
    module.LoadDefaults(data, 3);
    EXPECT_EQ(Block(recorder->Calls()[0]), [] {
        Bytes b(1124, 0);
        PutInt(b, 0, 3);
        return b;
    }());
    for (int i = 0; i < 40; ++i) {
        int x = 0, y = 0, edited = -1;
        data.GetValue(i, x, y, &edited);
        EXPECT_EQ(x, recording::DefaultX(3, i));
        EXPECT_EQ(y, recording::DefaultY(3, i));
        EXPECT_EQ(edited, i == 2 ? 1 : 0);  // flags are kept
        int r[4];
        data.GetRanges(i, r[0], r[1], r[2], r[3]);
        for (int f = 0; f < 4; ++f) EXPECT_EQ(r[f], recording::DefaultRange(i, f));
        EXPECT_EQ(module.GetParam().range[i].yLast, recording::DefaultRange(i, 3));
    }

    const Bytes before(reinterpret_cast<const uint8_t*>(&module.GetParam()),
                       reinterpret_cast<const uint8_t*>(&module.GetParam()) + sizeof(CCMPARAM));
    CColorData other;
    module.GetDefaults(other, 5);
    EXPECT_EQ(Bytes(reinterpret_cast<const uint8_t*>(&module.GetParam()),
                    reinterpret_cast<const uint8_t*>(&module.GetParam()) + sizeof(CCMPARAM)),
              before);
    int x = 0, y = 0;
    other.GetValue(9, x, y);
    EXPECT_EQ(x, recording::DefaultX(5, 9));

    // A pending table computation still sends the block LoadDefaults made.
    CCcmTables tables;
    tables.Compute(module, 0);
    EXPECT_EQ(Block(recorder->Calls().back()), before);
}

// ---- Table buffers ---------------------------------------------------------------------------

TEST_F(ModuleWrapperTest, ShortStoredTablesGrowToTheModuleSizeBeforeTheModuleWrites)
{
    CColorModule module(kRecording);
    module.SetColorData(RecordedDefaults(), 0);
    CCcmTables tables;
    tables.Allocate(100);  // a stored setting of an older table size
    for (int k = 0; k < 100; ++k) {
        tables.T()[k] = static_cast<BYTE>(0x40 + k);
        tables.V()[k] = static_cast<BYTE>(0x80 + k);
    }
    tables.Compute(module, 1);

    const recording::Call compute = recorder->Calls().back();
    EXPECT_EQ(compute.flag, 1);
    EXPECT_EQ(compute.sizeIn, kTableSize);
    ASSERT_EQ(compute.tableBytes, kTableSize);
    for (int k = 0; k < kTableSize; ++k) {
        // The stored bytes, then zeros.
        EXPECT_EQ(compute.tableT[k], k < 100 ? 0x40 + k : 0) << k;
        EXPECT_EQ(compute.tableV[k], k < 100 ? 0x80 + k : 0) << k;
    }
    ASSERT_EQ(tables.GetSize(), kTableSize);
    EXPECT_EQ(tables.T()[kTableSize - 1], recording::TByte(kTableSize - 1));
}

TEST_F(ModuleWrapperTest, LongerStoredTablesKeepTheirTail)
{
    CCoreModule module(kRecording);
    CCcmTables tables;
    tables.Allocate(300);
    std::memset(tables.T(), 0x5A, 300);
    std::memset(tables.V(), 0xA5, 300);
    tables.Compute(module, 1);
    EXPECT_EQ(recorder->Calls().back().sizeIn, kTableSize);
    ASSERT_EQ(tables.GetSize(), 300);
    EXPECT_EQ(tables.T()[kTableSize - 1], recording::TByte(kTableSize - 1));
    EXPECT_EQ(tables.T()[kTableSize], 0x5A);
    EXPECT_EQ(tables.V()[299], 0xA5);

    recorder->SetTableSize(0);
    CCcmTables none;
    none.Compute(module, 0);
    EXPECT_EQ(none.GetSize(), 0);
    EXPECT_EQ(none.T(), nullptr);
}

// ---- Core wrapper ----------------------------------------------------------------------------

TEST_F(ModuleWrapperTest, CoreBlockReachesTheModuleByteForByte)
{
    CGammaData data;
    data.SetGamma(2.3);
    const int hue[6] = {-50, -7, 0, 3, 19, 50};
    const int fromPrinter[6] = {1, 0, 0, 1, 0, 1};
    const int level[6] = {0, 5, 12, 25, 49, 50};
    data.SetHue(hue, fromPrinter);
    data.SetLevel(level);

    CCoreModule module(kRecording);
    module.SetGammaData(data, 7);
    CCcmTables tables;
    tables.Allocate(kTableSize);
    tables.Compute(module, 0);

    Bytes expected(88, 0);
    PutInt(expected, 0, 7);
    for (int c = 0; c < 3; ++c) PutInt(expected, 4 + 4 * c, 230);
    for (int z = 0; z < 6; ++z) {
        PutInt(expected, 16 + 8 * z, hue[z]);
        PutInt(expected, 20 + 8 * z, fromPrinter[z]);
        PutInt(expected, 64 + 4 * z, level[z]);
    }
    const auto calls = recorder->Calls();
    ASSERT_EQ(calls.size(), 3u);  // size query for the buffers, size query, compute
    EXPECT_EQ(std::string(calls[2].function), "MCA_AdjustCCMPARAM");
    EXPECT_EQ(Block(calls[2]), expected);
    EXPECT_EQ(Block(calls[1]), expected);
    EXPECT_EQ(calls[2].sizeIn, kTableSize);
}

TEST_F(ModuleWrapperTest, EveryGammaOfTheSliderReachesTheModuleAsAHundredfoldInteger)
{
    for (int position = 0; position <= 10; ++position) {
        const double gamma = position * 0.1 + 1.4;
        EXPECT_EQ(CCoreModule::GammaToModule(gamma), 140 + 10 * position) << gamma;
    }
    EXPECT_EQ(CCoreModule::GammaToModule(1.8), 180);
    EXPECT_EQ(CCoreModule::GammaToModule(2.3), 230);
    EXPECT_EQ(CCoreModule::GammaToModule(2.2999999), 230);
    EXPECT_EQ(CCoreModule::GammaToModule(1.7999999999), 180);
    // Whatever a damaged data file holds stays a defined number.
    EXPECT_EQ(CCoreModule::GammaToModule(std::nan("")), 0);
    EXPECT_EQ(CCoreModule::GammaToModule(1e300), INT32_MAX);
    EXPECT_EQ(CCoreModule::GammaToModule(-1e300), INT32_MIN);

    CCoreModule module(kRecording);
    CGammaData data;
    data.SetGamma(0.1 * 4 + 1.4);
    module.SetGammaData(data, 0);
    EXPECT_EQ(module.GetParam().gamma[0], 180);
    EXPECT_EQ(module.GetParam().gamma[2], 180);
}

TEST_F(ModuleWrapperTest, CoreDefaultsAndPrinterHues)
{
    CCoreModule module(kRecording);
    const COREPARAM& d = module.GetDefaults(4);
    EXPECT_EQ(Block(recorder->Calls()[0]), [] {
        Bytes b(88, 0);
        PutInt(b, 0, 4);
        return b;
    }());
    EXPECT_EQ(d.gamma[1], recording::DefaultGamma(4));
    EXPECT_EQ(d.zone[5].hue, recording::DefaultHue(4, 5));
    EXPECT_EQ(d.level[2], recording::DefaultLevel(4, 2));

    CCoreModule fresh(kRecording);
    recorder->Reset();
    EXPECT_EQ(fresh.GetPrinterHue(2), recording::PrinterHue(2));
    Bytes expected(88, 0);
    PutInt(expected, 20 + 8 * 2, 1);
    EXPECT_EQ(Block(recorder->Calls()[0]), expected);
    // A zone outside 0 … 5 asks nothing and writes nothing.
    EXPECT_EQ(fresh.GetPrinterHue(6), 0);
    EXPECT_EQ(fresh.GetPrinterHue(-1), 0);
    EXPECT_EQ(recorder->Calls().size(), 1u);
}

// ---- Missing libraries and exports -----------------------------------------------------------

TEST_F(ModuleWrapperTest, MissingLibraryFailsAtTheFirstCallWithModuleFailure)
{
    for (const char* version : {kMissing, kWrongLibrary, "99"}) {
        SCOPED_TRACE(version);
        CColorModule colour(version);  // constructing does not fail
        CColorData data = RecordedDefaults();
        const Bytes before(reinterpret_cast<const uint8_t*>(&colour.GetParam()),
                           reinterpret_cast<const uint8_t*>(&colour.GetParam()) + sizeof(CCMPARAM));
        EXPECT_EQ(ThrownId([&] { colour.LoadDefaults(data, 2); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(ThrownId([&] { colour.GetDefaults(data, 0); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(ThrownId([&] { colour.SetColorData(data, 2); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(ThrownId([&] { colour.GetCCMSize(); }), IDS_ERR_MODULE_FAILED);
        BYTE t[kTableSize], v[kTableSize];
        EXPECT_EQ(ThrownId([&] { colour.AdjustCCM(0, t, v); }), IDS_ERR_MODULE_FAILED);
        // Nothing was written to the block.
        EXPECT_EQ(Bytes(reinterpret_cast<const uint8_t*>(&colour.GetParam()),
                        reinterpret_cast<const uint8_t*>(&colour.GetParam()) + sizeof(CCMPARAM)),
                  before);

        CCoreModule core(version);
        EXPECT_EQ(ThrownId([&] { core.GetDefaults(1); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(ThrownId([&] { core.GetPrinterHue(0); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(core.GetParam().zone[0].hueFromPrinter, 0);
        EXPECT_EQ(ThrownId([&] { core.GetCCMSize(); }), IDS_ERR_MODULE_FAILED);
        EXPECT_EQ(ThrownId([&] { core.AdjustCCM(0, t, v); }), IDS_ERR_MODULE_FAILED);
        core.SetGammaData(CGammaData(), 1);  // asks the module nothing
    }
    EXPECT_TRUE(recorder->Calls().empty());
    EXPECT_EQ(boxes.Count(), 0u);
}

// ---- The printer-model module stand-in -------------------------------------------------------

class StandInTest : public ModuleWrapperTest {
protected:
    void SetUp() override
    {
        ModuleWrapperTest::SetUp();
        library = LoadLibraryA("TVCCM.dll");
        ASSERT_NE(library, nullptr);
        colourAdjust = reinterpret_cast<AdjustColour>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "PCA_AdjustCCMPARAM")));
        coreAdjust = reinterpret_cast<AdjustCore>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "MCA_AdjustCCMPARAM")));
        ASSERT_TRUE(colourAdjust && coreAdjust);
    }
    void TearDown() override
    {
        if (library) FreeLibrary(library);
        ModuleWrapperTest::TearDown();
    }

    using AdjustColour = int (*)(BYTE*, BYTE*, CCMPARAM*, int*, int);
    using AdjustCore = int (*)(BYTE*, BYTE*, COREPARAM*, int*, int);

    // T then V.
    Bytes Tables(CCMPARAM block, int flag = 0, const Bytes& prior = Bytes(2 * kTableSize, 0))
    {
        Bytes out = prior;
        int size = kTableSize;
        colourAdjust(out.data(), out.data() + kTableSize, &block, &size, flag);
        return out;
    }
    Bytes Tables(COREPARAM block, int flag = 0, const Bytes& prior = Bytes(2 * kTableSize, 0))
    {
        Bytes out = prior;
        int size = kTableSize;
        coreAdjust(out.data(), out.data() + kTableSize, &block, &size, flag);
        return out;
    }

    static CCMPARAM DefaultColour()
    {
        CColorModule module(kStandIn);
        CColorData data;
        module.LoadDefaults(data, 0);
        return module.GetParam();
    }

    HMODULE library = nullptr;
    AdjustColour colourAdjust = nullptr;
    AdjustCore coreAdjust = nullptr;
};

TEST_F(StandInTest, PatchDefaultsHaveRangesAroundThemAndSixFixedPatches)
{
    CColorModule module(kStandIn);
    CColorData data;
    module.LoadDefaults(data, 0);
    int fixed = 0, wrapping = 0;
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        int x = 0, y = 0, xFirst = 0, xLast = 0, yFirst = 0, yLast = 0;
        data.GetValue(i, x, y);
        data.GetRanges(i, xFirst, xLast, yFirst, yLast);
        if (x == 0 && y == 0) {
            ++fixed;
            EXPECT_EQ(xFirst | xLast | yFirst | yLast, 0);
            continue;
        }
        EXPECT_TRUE(x >= 0 && x < 36 && xFirst >= 0 && xFirst < 36 && xLast >= 0 && xLast < 36);
        if (xLast < xFirst) {
            ++wrapping;
            EXPECT_TRUE(x >= xFirst || x <= xLast);
        } else {
            EXPECT_TRUE(x >= xFirst && x <= xLast);
        }
        EXPECT_TRUE(y >= yFirst && y <= yLast && yFirst > 0);
    }
    EXPECT_EQ(fixed, 6);
    EXPECT_GE(wrapping, 3);
    int x = 0, y = 0;
    for (int neutral : {0, 7, 15, 23, 31, 39}) {
        data.GetValue(neutral, x, y);
        EXPECT_EQ(x | y, 0) << neutral;
    }
}

TEST_F(StandInTest, ColourTablesDependOnEveryValueFlagAndTheMode)
{
    const CCMPARAM base = DefaultColour();
    CCMPARAM flagged = base;
    for (int i = 0; i < 40; ++i) flagged.changed[i] = 1;
    const Bytes reference = Tables(flagged);
    EXPECT_EQ(Tables(flagged), reference);  // deterministic
    EXPECT_EQ(reference[0], 'T');
    EXPECT_EQ(reference[kTableSize], 'V');

    for (int i = 0; i < 40; ++i) {
        CCMPARAM b = flagged;
        b.value[i].x += 1;
        EXPECT_NE(Tables(b), reference) << "x of " << i;
        b = flagged;
        b.value[i].y -= 1;
        EXPECT_NE(Tables(b), reference) << "y of " << i;
        b = flagged;
        b.changed[i] = 0;
        EXPECT_NE(Tables(b), reference) << "flag of " << i;
    }
    CCMPARAM b = flagged;
    b.mode = 1;
    EXPECT_NE(Tables(b), reference);

    // Ranges are never read.
    b = flagged;
    for (auto& range : b.range) range = {1, 2, 3, 4};
    EXPECT_EQ(Tables(b), reference);
}

TEST_F(StandInTest, WithFlagOneEveryPriorByteCountsAndAnUneditedSettingKeepsItsTables)
{
    const CCMPARAM base = DefaultColour();
    Bytes prior(2 * kTableSize);
    for (int k = 0; k < 2 * kTableSize; ++k) prior[k] = static_cast<uint8_t>(k * 7 + 3);
    const Bytes reference = Tables(base, 1, prior);
    // Header and digest are rewritten; the curves and hue steps stay as stored.
    for (int k = 4; k < 220; ++k) {
        ASSERT_EQ(reference[k], prior[k]) << k;
        ASSERT_EQ(reference[kTableSize + k], prior[kTableSize + k]) << k;
    }
    for (int k = 0; k < 2 * kTableSize; ++k) {
        Bytes changed = prior;
        changed[k] ^= 0x01;
        EXPECT_NE(Tables(base, 1, changed), reference) << k;
    }
    // With flag 0 the buffers' contents do not matter.
    EXPECT_EQ(Tables(base, 0, prior), Tables(base, 0));
    EXPECT_NE(Tables(base, 0), reference);
}

TEST_F(StandInTest, GammaTablesDependOnEveryField)
{
    CCoreModule module(kStandIn);
    const COREPARAM base = module.GetDefaults(0);
    const Bytes reference = Tables(base);
    EXPECT_EQ(reference[2], 2);  // gamma kind

    auto differs = [&](auto change, const std::string& what) {
        COREPARAM b = base;
        change(b);
        EXPECT_NE(Tables(b), reference) << what;
    };
    differs([](COREPARAM& b) { b.mode += 1; }, "mode");
    for (int c = 0; c < 3; ++c) differs([c](COREPARAM& b) { b.gamma[c] += 10; }, "gamma " + std::to_string(c));
    for (int z = 0; z < 6; ++z) {
        differs([z](COREPARAM& b) { b.zone[z].hue += 1; }, "hue " + std::to_string(z));
        differs([z](COREPARAM& b) { b.zone[z].hueFromPrinter ^= 1; }, "flag " + std::to_string(z));
        differs([z](COREPARAM& b) { b.level[z] += 1; }, "level " + std::to_string(z));
    }

    Bytes prior(2 * kTableSize, 0x33);
    const Bytes edited = Tables(base, 1, prior);
    Bytes other = prior;
    other[kTableSize + 100] = 0x34;
    EXPECT_NE(Tables(base, 1, other), edited);
}

TEST_F(StandInTest, GammaDefaultsPerModeAndPrinterHues)
{
    CCoreModule module(kStandIn);
    bool sawPrinterZone = false;
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        const COREPARAM d = module.GetDefaults(mode);
        EXPECT_EQ(d.mode, mode);
        EXPECT_EQ(d.gamma[0], d.gamma[1]);
        EXPECT_EQ(d.gamma[1], d.gamma[2]);
        EXPECT_TRUE(d.gamma[0] >= 140 && d.gamma[0] <= 240 && d.gamma[0] % 10 == 0);
        for (int z = 0; z < 6; ++z) {
            EXPECT_TRUE(d.zone[z].hue >= -50 && d.zone[z].hue <= 50);
            EXPECT_TRUE(d.level[z] >= 0 && d.level[z] <= 50);
            EXPECT_TRUE(d.zone[z].hueFromPrinter == 0 || d.zone[z].hueFromPrinter == 1);
            if (d.zone[z].hueFromPrinter == 1) {
                sawPrinterZone = true;
                CCoreModule fresh(kStandIn);
                EXPECT_EQ(d.zone[z].hue, fresh.GetPrinterHue(z));
            }
        }
    }
    EXPECT_TRUE(sawPrinterZone);
    const int expected[6] = {-4, 6, -8, 3, 9, -2};
    CCoreModule fresh(kStandIn);
    for (int z = 0; z < 6; ++z) EXPECT_EQ(fresh.GetPrinterHue(z), expected[z]);
}

TEST_F(StandInTest, SizeQueryAndShortBuffers)
{
    CColorModule colour(kStandIn);
    CCoreModule core(kStandIn);
    EXPECT_EQ(colour.GetCCMSize(), kTableSize);
    EXPECT_EQ(core.GetCCMSize(), kTableSize);

    // A caller offering fewer bytes gets only that many.
    CCMPARAM block = DefaultColour();
    Bytes t(kTableSize + 8, 0xEE), v(kTableSize + 8, 0xEE);
    int size = 10;
    colourAdjust(t.data(), v.data(), &block, &size, 0);
    EXPECT_EQ(t[0], 'T');
    EXPECT_EQ(t[10], 0xEE);
    EXPECT_EQ(v[10], 0xEE);
    size = kTableSize + 8;
    colourAdjust(t.data(), v.data(), &block, &size, 0);
    EXPECT_EQ(t[kTableSize], 0xEE);
}

}  // namespace
