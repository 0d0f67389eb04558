// The two setting value objects: their operations and their data-file images.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "color/CColorData.h"
#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "gamma/CGammaData.h"
#include "platform/win32api.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutLE(Bytes& b, size_t offset, uint64_t v, int size)
{
    for (int i = 0; i < size; ++i) b[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t GetLE32(const Bytes& b, size_t offset)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[offset + static_cast<size_t>(i)]) << (8 * i);
    return static_cast<int32_t>(v);
}

Bytes Header(const char* name)
{
    Bytes b = {0xFF, 0xFF, 0x01, 0x00, static_cast<uint8_t>(std::strlen(name)), 0x00};
    b.insert(b.end(), name, name + std::strlen(name));
    return b;
}

// Data files in the temporary folder, written and read through the archive.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        std::string folder = temp;
        if (folder.empty() || folder.back() != '\\') folder += '\\';
        path = folder + "tvdata" + std::to_string(std::random_device{}()) + ".dat";
    }
    void TearDown() override { DeleteFileA(path.c_str()); }

    Bytes Store(const CObject& object)
    {
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 4096);
        ar.WriteObject(&object);
        ar.Close();
        file.Close();
        return ReadBytes();
    }
    void WriteBytes(const Bytes& bytes)
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        file.Write(bytes.data(), static_cast<unsigned>(bytes.size()));
        file.Close();
    }
    Bytes ReadBytes()
    {
        CFile file;
        Bytes bytes;
        if (!file.Open(path, CFile::modeRead)) return bytes;
        bytes.resize(static_cast<size_t>(file.GetLength()));
        if (!bytes.empty()) file.Read(bytes.data(), static_cast<unsigned>(bytes.size()));
        return bytes;
    }
    // The loaded object, or null with the archive's cause in cause.
    template <class T>
    std::unique_ptr<T> Load(int& cause)
    {
        cause = CArchiveException::none;
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeRead));
        try {
            CArchive ar(&file, CArchive::load, 4096);
            const T prototype;
            CObject* object = ar.ReadObject(prototype.GetRuntimeClass());
            ar.Close();
            return std::unique_ptr<T>(static_cast<T*>(object));
        } catch (const CArchiveException& e) {
            cause = e.m_cause;
        }
        return nullptr;
    }

    std::string path;
};

// ---- Colour data ------------------------------------------------------------------------

TEST(ColorDataTest, SetValueKeepsTheEditedFlagOnlyForMinusOne)
{
    CColorData data;
    ASSERT_EQ(data.SetValue(5, 3, 4, 1), 1);
    int x = 0, y = 0, edited = -7;
    ASSERT_EQ(data.GetValue(5, x, y, &edited), 1);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_EQ(edited, 1);

    EXPECT_EQ(data.SetValue(5, 9, -2, -1), 1);
    data.GetValue(5, x, y, &edited);
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, -2);
    EXPECT_EQ(edited, 1);

    data.SetValue(5, 9, -2, 0);
    data.GetValue(5, x, y, &edited);
    EXPECT_EQ(edited, 0);
}

TEST(ColorDataTest, IndexOutsideThePaletteChangesNothing)
{
    CColorData data;
    data.SetValue(39, 1, 2, 1);
    data.SetRanges(39, 30, 5, -10, 10);
    CColorData before(data);

    for (int bad : {40, 41, -1}) {
        int x = 111, y = 222, edited = 333;
        EXPECT_EQ(data.GetValue(bad, x, y, &edited), 0) << bad;
        EXPECT_EQ(x, 111);
        EXPECT_EQ(y, 222);
        EXPECT_EQ(edited, 333);
        EXPECT_EQ(data.SetValue(bad, 7, 7, 1), 0) << bad;
        data.SetRanges(bad, 1, 2, 3, 4);
        int a = 5, b = 6, c = 7, d = 8;
        data.GetRanges(bad, a, b, c, d);
        EXPECT_EQ(a + b + c + d, 26);
        EXPECT_EQ(data.IsValue(bad, 0, 0), 0);
    }
    int x, y, edited, a, b, c, d;
    data.GetValue(39, x, y, &edited);
    data.GetRanges(39, a, b, c, d);
    EXPECT_EQ(std::vector<int>({x, y, edited, a, b, c, d}), std::vector<int>({1, 2, 1, 30, 5, -10, 10}));
    EXPECT_EQ(data.IsEqual(before), 1);
}

TEST(ColorDataTest, EqualityLooksAtValuesOnly)
{
    CColorData a;
    CColorData b;
    b.SetValue(17, 0, 0, 1);
    b.SetRanges(3, 1, 35, -5, 5);
    EXPECT_EQ(a.IsEqual(b), 1);

    b.SetValue(39, 0, 1, -1);
    EXPECT_EQ(a.IsEqual(b), 0);
    EXPECT_EQ(b.IsEqual(a), 0);
    b.SetValue(39, 1, 0, -1);
    EXPECT_EQ(a.IsEqual(b), 0);
}

TEST(ColorDataTest, CopiesCarryValuesFlagsAndRanges)
{
    CColorData source;
    for (int i = 0; i < 40; ++i) {
        source.SetValue(i, i % 36, i - 20, i % 2);
        source.SetRanges(i, i, 35 - i % 36, -i, i);
    }
    CColorData constructed(source);
    CColorData assigned;
    assigned.CopyFrom(source);
    for (const CColorData* copy : {&constructed, &assigned}) {
        ASSERT_EQ(copy->IsEqual(source), 1);
        for (int i = 0; i < 40; ++i) {
            int x, y, edited, xf, xl, yf, yl;
            copy->GetValue(i, x, y, &edited);
            copy->GetRanges(i, xf, xl, yf, yl);
            EXPECT_EQ(edited, i % 2);
            EXPECT_EQ(std::vector<int>({xf, xl, yf, yl}), std::vector<int>({i, 35 - i % 36, -i, i}));
        }
    }
}

TEST_F(DataFileTest, DefaultColourDataIsTheHeaderAndZeros)
{
    CColorData data;
    Bytes bytes = Store(data);
    ASSERT_EQ(bytes.size(), 336u);
    Bytes header = Header("CColorData");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16), header);
    for (size_t i = 16; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << "offset " << i;
}

TEST_F(DataFileTest, ColourValuesAreStoredAsXYPairsOnly)
{
    CColorData data;
    for (int i = 0; i < 40; ++i) {
        data.SetValue(i, 100 + i, -i - 1, 1);
        data.SetRanges(i, 9, 8, 7, 6);
    }
    Bytes bytes = Store(data);
    ASSERT_EQ(bytes.size(), 336u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(GetLE32(bytes, 16 + 8 * static_cast<size_t>(i)), 100 + i);
        EXPECT_EQ(GetLE32(bytes, 20 + 8 * static_cast<size_t>(i)), -i - 1);
    }

    int cause;
    auto loaded = Load<CColorData>(cause);
    ASSERT_TRUE(loaded) << cause;
    EXPECT_EQ(loaded->IsEqual(data), 1);
    for (int i = 0; i < 40; ++i) {
        int x, y, edited, xf, xl, yf, yl;
        loaded->GetValue(i, x, y, &edited);
        loaded->GetRanges(i, xf, xl, yf, yl);
        EXPECT_EQ(edited, 0);
        EXPECT_EQ(xf | xl | yf | yl, 0);
    }
}

TEST_F(DataFileTest, ColourFileImageLoads)
{
    Bytes bytes(336, 0);
    Bytes header = Header("CColorData");
    std::copy(header.begin(), header.end(), bytes.begin());
    PutLE(bytes, 16 + 8 * 12, 35, 4);
    PutLE(bytes, 20 + 8 * 12, static_cast<uint32_t>(-3), 4);
    WriteBytes(bytes);

    int cause;
    auto loaded = Load<CColorData>(cause);
    ASSERT_TRUE(loaded) << cause;
    EXPECT_EQ(loaded->IsValue(12, 35, -3), 1);
    EXPECT_EQ(loaded->IsValue(11, 0, 0), 1);
}

TEST_F(DataFileTest, NullObjectFileLoadsAsNoSetting)
{
    WriteBytes({0x00, 0x00});
    int cause;
    EXPECT_FALSE(Load<CColorData>(cause));
    EXPECT_EQ(cause, CArchiveException::none);
    EXPECT_FALSE(Load<CGammaData>(cause));
    EXPECT_EQ(cause, CArchiveException::none);
}

TEST_F(DataFileTest, FilesOfAnotherClassOrSchemaAreRejected)
{
    CGammaData gamma;
    Store(gamma);
    int cause;
    EXPECT_FALSE(Load<CColorData>(cause));
    EXPECT_EQ(cause, CArchiveException::badClass);

    CColorData colour;
    Bytes bytes = Store(colour);
    EXPECT_FALSE(Load<CGammaData>(cause));
    EXPECT_EQ(cause, CArchiveException::badClass);

    bytes[2] = 2;  // schema 2
    WriteBytes(bytes);
    EXPECT_FALSE(Load<CColorData>(cause));
    EXPECT_EQ(cause, CArchiveException::badSchema);
}

TEST_F(DataFileTest, ShortAndEmptyFilesAreRejected)
{
    CColorData colour;
    Bytes colourBytes = Store(colour);
    CGammaData gamma;
    Bytes gammaBytes = Store(gamma);
    int cause;

    WriteBytes(Bytes(colourBytes.begin(), colourBytes.end() - 1));
    EXPECT_FALSE(Load<CColorData>(cause));
    EXPECT_EQ(cause, CArchiveException::endOfFile);

    WriteBytes(Bytes(gammaBytes.begin(), gammaBytes.begin() + 20));
    EXPECT_FALSE(Load<CGammaData>(cause));
    EXPECT_EQ(cause, CArchiveException::endOfFile);

    WriteBytes({});
    EXPECT_FALSE(Load<CColorData>(cause));
    EXPECT_EQ(cause, CArchiveException::endOfFile);
}

// ---- Gamma data -------------------------------------------------------------------------

CGammaData SampleGamma()
{
    CGammaData data;
    const int hue[6] = {-50, -1, 0, 1, 25, 50};
    const int fromPrinter[6] = {1, 0, 1, 0, 0, 1};
    const int level[6] = {0, 10, 20, 30, 40, 50};
    data.SetGamma(2.2);
    data.SetHue(hue, fromPrinter);
    data.SetLevel(level);
    return data;
}

TEST(GammaDataTest, FreshObjectIsAllZero)
{
    CGammaData data;
    int hue[6], fromPrinter[6], level[6];
    std::memset(hue, 0x55, sizeof hue);
    std::memset(fromPrinter, 0x55, sizeof fromPrinter);
    std::memset(level, 0x55, sizeof level);
    data.GetHue(hue);
    data.GetHueFromPrinter(fromPrinter);
    data.GetLevel(level);
    EXPECT_EQ(data.GetGamma(), 0.0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(hue[i] | fromPrinter[i] | level[i], 0);
}

TEST(GammaDataTest, EveryFieldTakesPartInEquality)
{
    const CGammaData base = SampleGamma();
    EXPECT_EQ(base.IsEqual(SampleGamma()), 1);

    int hue[6], fromPrinter[6], level[6];
    base.GetHue(hue);
    base.GetHueFromPrinter(fromPrinter);
    base.GetLevel(level);

    CGammaData other = SampleGamma();
    fromPrinter[5] = 0;
    other.SetHue(hue, fromPrinter);
    EXPECT_EQ(base.IsEqual(other), 0);

    other = SampleGamma();
    hue[0] = -49;
    base.GetHueFromPrinter(fromPrinter);
    other.SetHue(hue, fromPrinter);
    EXPECT_EQ(base.IsEqual(other), 0);

    other = SampleGamma();
    level[3] = 31;
    other.SetLevel(level);
    EXPECT_EQ(base.IsEqual(other), 0);

    other = SampleGamma();
    other.SetGamma(2.3);
    EXPECT_EQ(base.IsEqual(other), 0);
}

TEST(GammaDataTest, NaNGammaIsNeverEqual)
{
    CGammaData a = SampleGamma();
    a.SetGamma(std::numeric_limits<double>::quiet_NaN());
    CGammaData b(a);
    EXPECT_EQ(a.IsEqual(b), 0);
    EXPECT_EQ(a.IsEqual(a), 0);
    EXPECT_EQ(a.IsEqual(SampleGamma()), 0);
    EXPECT_EQ(SampleGamma().IsEqual(a), 0);
}

TEST(GammaDataTest, CopiesAreIndependentAndBitExact)
{
    CGammaData source = SampleGamma();
    uint64_t nanBits = 0x7FF8000000001234ull;
    double nan;
    std::memcpy(&nan, &nanBits, sizeof nan);
    source.SetGamma(nan);

    CGammaData copy;
    copy.CopyFrom(source);
    double copied = copy.GetGamma();
    uint64_t copiedBits;
    std::memcpy(&copiedBits, &copied, sizeof copiedBits);
    EXPECT_EQ(copiedBits, nanBits);

    CGammaData constructed(SampleGamma());
    const int zero[6] = {};
    constructed.SetLevel(zero);
    int level[6];
    SampleGamma().GetLevel(level);
    EXPECT_EQ(level[5], 50);
    constructed.GetLevel(level);
    EXPECT_EQ(level[5], 0);
}

TEST_F(DataFileTest, DefaultGammaDataIsTheHeaderAndZeros)
{
    CGammaData data;
    Bytes bytes = Store(data);
    ASSERT_EQ(bytes.size(), 96u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16), Header("CGammaData"));
    for (size_t i = 16; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << "offset " << i;
}

TEST_F(DataFileTest, GammaIsStoredZoneByZone)
{
    CGammaData data = SampleGamma();
    Bytes bytes = Store(data);
    ASSERT_EQ(bytes.size(), 96u);

    double gamma = 2.2;
    uint64_t bits;
    std::memcpy(&bits, &gamma, sizeof bits);
    Bytes expectedGamma(8);
    PutLE(expectedGamma, 0, bits, 8);
    EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 24), expectedGamma);

    const int hue[6] = {-50, -1, 0, 1, 25, 50};
    const int fromPrinter[6] = {1, 0, 1, 0, 0, 1};
    const int level[6] = {0, 10, 20, 30, 40, 50};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(GetLE32(bytes, 24 + 12 * i), hue[i]) << i;
        EXPECT_EQ(GetLE32(bytes, 28 + 12 * i), fromPrinter[i]) << i;
        EXPECT_EQ(GetLE32(bytes, 32 + 12 * i), level[i]) << i;
    }

    int cause;
    auto loaded = Load<CGammaData>(cause);
    ASSERT_TRUE(loaded) << cause;
    EXPECT_EQ(loaded->IsEqual(data), 1);
    EXPECT_EQ(loaded->GetGamma(), 2.2);
}

}  // namespace
