// The archive of single objects over real files: byte layout, null objects and rejections.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "framework/CObject.h"
#include "platform/win32api.h"

namespace {

// A serialisable class of the test's own, counting its live instances to catch leaks.
class CArchiveProbe : public CObject {
    DECLARE_SERIAL(CArchiveProbe)
public:
    CArchiveProbe() { ++live; }
    ~CArchiveProbe() override { --live; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << a << b;
        } else {
            ar >> a >> b;
        }
    }
    int32_t a = 0;
    uint16_t b = 0;
    static int live;
};
int CArchiveProbe::live = 0;

class CArchiveOther : public CObject {
    DECLARE_SERIAL(CArchiveOther)
};

IMPLEMENT_SERIAL(CArchiveProbe, CObject, 3)
IMPLEMENT_SERIAL(CArchiveOther, CObject, 3)

using Bytes = std::vector<uint8_t>;

Bytes Header(const std::string& name, uint16_t schema)
{
    Bytes b = {0xFF, 0xFF, static_cast<uint8_t>(schema), static_cast<uint8_t>(schema >> 8),
               static_cast<uint8_t>(name.size()), static_cast<uint8_t>(name.size() >> 8)};
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        std::string folder = temp;
        if (folder.empty() || folder.back() != '\\') folder += '\\';
        path = folder + "tvarch" + std::to_string(std::random_device{}()) + ".bin";
        CArchiveProbe::live = 0;
    }
    void TearDown() override
    {
        DeleteFileA(path.c_str());
        EXPECT_EQ(CArchiveProbe::live, 0);
    }

    void Store(const CObject* object)
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 4096);
        ar.WriteObject(object);
        ar.Close();
        file.Close();
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
        if (!bytes.empty()) {
            EXPECT_EQ(file.Read(bytes.data(), static_cast<unsigned>(bytes.size())), bytes.size());
        }
        return bytes;
    }
    // Loads one object; returns the archive cause (none when it loaded) and the object.
    int Load(const CRuntimeClass* expected, CObject** out)
    {
        *out = nullptr;
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeRead));
        try {
            CArchive ar(&file, CArchive::load, 4096);
            *out = ar.ReadObject(expected);
            ar.Close();
        } catch (const CArchiveException& e) {
            return e.m_cause;
        }
        return CArchiveException::none;
    }

    std::string path;
};

TEST_F(ArchiveTest, ObjectIsHeaderThenItsOwnValuesLittleEndian)
{
    CArchiveProbe probe;
    probe.a = -2;
    probe.b = 0x1234;
    Store(&probe);

    Bytes expected = Header("CArchiveProbe", 3);
    Bytes body = {0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12};
    expected.insert(expected.end(), body.begin(), body.end());
    EXPECT_EQ(ReadBytes(), expected);

    CObject* loaded = nullptr;
    ASSERT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::none);
    ASSERT_NE(loaded, nullptr);
    ASSERT_TRUE(loaded->IsKindOf(RUNTIME_CLASS(CArchiveProbe)));
    auto* copy = static_cast<CArchiveProbe*>(loaded);
    EXPECT_EQ(copy->a, -2);
    EXPECT_EQ(copy->b, 0x1234);
    delete loaded;
}

TEST_F(ArchiveTest, NullObjectIsTheNullTagAndLoadsAsNoObject)
{
    Store(nullptr);
    EXPECT_EQ(ReadBytes(), (Bytes{0x00, 0x00}));
    CObject* loaded = reinterpret_cast<CObject*>(1);
    EXPECT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::none);
    EXPECT_EQ(loaded, nullptr);
}

TEST_F(ArchiveTest, ScalarValuesAreLittleEndianAndCrossBufferBoundaries)
{
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 4096);
        ar << int32_t{-1} << uint32_t{0x01020304u} << uint16_t{0xA1B2} << 1.5;
        for (uint32_t i = 0; i < 3000; ++i) ar << i;  // beyond one buffer
        ar.Close();
    }
    Bytes bytes = ReadBytes();
    ASSERT_EQ(bytes.size(), 4u + 4u + 2u + 8u + 3000u * 4u);
    Bytes head(bytes.begin(), bytes.begin() + 18);
    EXPECT_EQ(head, (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xB2, 0xA1,
                           0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));

    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    CArchive ar(&file, CArchive::load, 4096);
    int32_t s;
    uint32_t u;
    uint16_t w;
    double d;
    ar >> s >> u >> w >> d;
    EXPECT_EQ(s, -1);
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_EQ(w, 0xA1B2);
    EXPECT_EQ(d, 1.5);
    for (uint32_t i = 0; i < 3000; ++i) {
        ar >> u;
        ASSERT_EQ(u, i);
    }
    EXPECT_THROW(ar >> u, CArchiveException);
}

TEST_F(ArchiveTest, RejectsAnotherClassAnUnknownClassAndAnotherSchema)
{
    CArchiveOther other;
    Store(&other);
    CObject* loaded = nullptr;
    EXPECT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::badClass);
    EXPECT_EQ(loaded, nullptr);

    Bytes unknown = Header("CNoSuchClass", 3);
    unknown.insert(unknown.end(), 6, 0);
    WriteBytes(unknown);
    EXPECT_EQ(Load(nullptr, &loaded), CArchiveException::badClass);

    Bytes schema = Header("CArchiveProbe", 4);
    schema.insert(schema.end(), 6, 0);
    WriteBytes(schema);
    EXPECT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::badSchema);

    // A name that only starts like a registered one is another class.
    Bytes prefix = Header("CArchive", 3);
    prefix.insert(prefix.end(), 6, 0);
    WriteBytes(prefix);
    EXPECT_EQ(Load(nullptr, &loaded), CArchiveException::badClass);
    EXPECT_EQ(loaded, nullptr);
}

TEST_F(ArchiveTest, RejectsTagsOtherThanNullAndNewClass)
{
    for (uint16_t tag : {uint16_t{0x8001}, uint16_t{0x7FFF}, uint16_t{0x0001}}) {
        Bytes bytes = Header("CArchiveProbe", 3);
        bytes[0] = static_cast<uint8_t>(tag);
        bytes[1] = static_cast<uint8_t>(tag >> 8);
        bytes.insert(bytes.end(), 6, 0);
        WriteBytes(bytes);
        CObject* loaded = nullptr;
        EXPECT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::badIndex) << tag;
        EXPECT_EQ(loaded, nullptr);
    }
}

TEST_F(ArchiveTest, EveryTruncationIsEndOfFileWithoutLeakingTheObject)
{
    CArchiveProbe probe;
    probe.a = 7;
    Store(&probe);
    Bytes full = ReadBytes();
    ASSERT_EQ(full.size(), 6u + 13u + 6u);
    for (size_t length = 0; length < full.size(); ++length) {
        WriteBytes(Bytes(full.begin(), full.begin() + static_cast<long>(length)));
        CObject* loaded = nullptr;
        EXPECT_EQ(Load(RUNTIME_CLASS(CArchiveProbe), &loaded), CArchiveException::endOfFile) << length;
        EXPECT_EQ(loaded, nullptr);
        EXPECT_EQ(CArchiveProbe::live, 1) << "object left behind at length " << length;
    }
}

TEST_F(ArchiveTest, ClassThatCannotBeReadBackIsRefusedBeforeAnyByte)
{
    CObject plain;
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    {
        CArchive ar(&file, CArchive::store, 4096);
        try {
            ar.WriteObject(&plain);
            ADD_FAILURE() << "a plain object was written";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badClass);
        }
        ar.Close();
    }
    file.Close();
    EXPECT_TRUE(ReadBytes().empty());
}

TEST_F(ArchiveTest, ArchiveDirectionIsEnforced)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite));
    CArchive storing(&file, CArchive::store, 4096);
    uint16_t w = 0;
    EXPECT_THROW(storing >> w, CArchiveException);
    EXPECT_THROW(storing.ReadObject(nullptr), CArchiveException);
    storing.Abort();

    CArchive loading(&file, CArchive::load, 4096);
    EXPECT_THROW(loading << w, CArchiveException);
    EXPECT_THROW(loading.WriteObject(nullptr), CArchiveException);
}

TEST(FileTest, OpenFailuresCarryTheFrameworkCause)
{
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    std::string folder = temp;
    if (folder.back() != '\\') folder += '\\';

    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder + "tvnosuchfile.bin", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, 2);

    EXPECT_FALSE(file.Open(folder + "tvnosuchfolder\\f.bin", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);

    try {
        CFile::Remove(folder + "tvnosuchfile.bin");
        ADD_FAILURE() << "removing a missing file succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    }
    EXPECT_FALSE(file.IsOpen());
}

TEST(FileTest, OsErrorsMapToCauses)
{
    EXPECT_EQ(CFileException::OsErrorToException(0), CFileException::none);
    EXPECT_EQ(CFileException::OsErrorToException(2), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(3), CFileException::badPath);
    EXPECT_EQ(CFileException::OsErrorToException(5), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(32), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToException(112), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(99999), CFileException::genericException);
}

}  // namespace
