// The posix layer's readers of resource data, given cut and damaged bytes: a resource section
// (the test library's own, cut at every length and with hostile sizes), bitmap and icon
// images, icon groups. Each copy is a heap block of exactly its size, so the sanitizer
// reports any read past the end.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/DibImage.h"
#include "platform/posix/IconDirectory.h"
#include "platform/posix/ResourceSection.h"
#include "portable/resources/TestResourceIds.h"
#include "resources/resource.h"
#include "platform/win32api.h"
#include "support/SimMachine.h"

namespace {

const char kLibrary[] = "TVRESTST.dll";

class Copy {
public:
    Copy(const uint8_t* bytes, size_t size) : m_bytes(new uint8_t[size ? size : 1]), m_size(size)
    {
        if (size) std::memcpy(m_bytes.get(), bytes, size);
    }
    uint8_t* Data() { return m_bytes.get(); }
    size_t Size() const { return m_size; }
    bool Holds(const uint8_t* p, size_t n) const { return p >= m_bytes.get() && p + n <= m_bytes.get() + m_size; }

private:
    std::unique_ptr<uint8_t[]> m_bytes;
    size_t m_size;
};

class ResourceSectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryA(kLibrary);
        ASSERT_NE(nullptr, module);
        bytes = reinterpret_cast<const uint8_t*>(GetProcAddress(module, "TavrelResourceSection"));
        const auto* sizeSymbol = reinterpret_cast<const size_t*>(GetProcAddress(module, "TavrelResourceSectionSize"));
        ASSERT_NE(nullptr, bytes);
        ASSERT_NE(nullptr, sizeSymbol);
        size = *sizeSymbol;
        whole = ResourceSection(bytes, size);
        ASSERT_FALSE(whole.Entries().empty());
    }

    void TearDown() override
    {
        if (module) FreeLibrary(module);
    }

    std::vector<const ResourceEntry*> OfType(LPCSTR type) const
    {
        std::vector<const ResourceEntry*> found;
        for (const ResourceEntry& entry : whole.Entries())
            if (entry.type == ResourceName::FromArgument(type)) found.push_back(&entry);
        return found;
    }

    SimMachine machine;
    HMODULE module = nullptr;
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    ResourceSection whole;
};

TEST_F(ResourceSectionTest, CutSectionKeepsOnlyItsWholeEntries)
{
    for (size_t cut = 0; cut <= size; ++cut) {
        Copy copy(bytes, cut);
        const ResourceSection section(copy.Data(), copy.Size());
        ASSERT_LE(section.Entries().size(), whole.Entries().size()) << cut;
        for (size_t i = 0; i < section.Entries().size(); ++i) {
            const ResourceEntry& entry = section.Entries()[i];
            ASSERT_TRUE(copy.Holds(entry.data, entry.size)) << cut;
            EXPECT_TRUE(entry.type == whole.Entries()[i].type);
            EXPECT_TRUE(entry.name == whole.Entries()[i].name);
            EXPECT_EQ(whole.Entries()[i].size, entry.size);
        }
    }
}

TEST_F(ResourceSectionTest, HostileSizesNeverLeaveTheSection)
{
    const uint32_t hostile[] = {0, 1, 7, 0x1F, 0x7FFFFFFF, 0xFFFFFFF0, 0xFFFFFFFF};
    // Every size field and every word of the first entries' names.
    for (size_t offset = 0; offset + 4 <= std::min<size_t>(size, 256); offset += 2) {
        for (uint32_t value : hostile) {
            Copy copy(bytes, size);
            std::memcpy(copy.Data() + offset, &value, 4);
            const ResourceSection section(copy.Data(), copy.Size());
            for (const ResourceEntry& entry : section.Entries()) ASSERT_TRUE(copy.Holds(entry.data, entry.size)) << offset;
        }
    }
}

TEST_F(ResourceSectionTest, CutPicturesAreRefusedNotOverread)
{
    const auto bitmaps = OfType(RT_BITMAP);
    const auto icons = OfType(RT_ICON);
    ASSERT_FALSE(bitmaps.empty());
    ASSERT_FALSE(icons.empty());
    for (const ResourceEntry* entry : bitmaps) {
        DibImage image;
        ASSERT_TRUE(DibImage::Decode(entry->data, entry->size, image));
        for (size_t cut = 0; cut < entry->size; ++cut) {
            Copy copy(entry->data, cut);
            DibImage partial;
            EXPECT_FALSE(DibImage::Decode(copy.Data(), copy.Size(), partial)) << cut;
        }
    }
    for (const ResourceEntry* entry : icons) {
        DibImage color;
        DibImage mask;
        ASSERT_TRUE(DibImage::DecodeIcon(entry->data, entry->size, color, mask));
        for (size_t cut = 0; cut < entry->size; ++cut) {
            Copy copy(entry->data, cut);
            EXPECT_FALSE(DibImage::DecodeIcon(copy.Data(), copy.Size(), color, mask)) << cut;
        }
    }
}

TEST_F(ResourceSectionTest, HostilePictureHeadersAreRefused)
{
    const ResourceEntry* entry = OfType(RT_BITMAP).front();
    struct Field {
        size_t offset;
        uint32_t value;
    };
    const Field fields[] = {
        {0, 0xFFFFFFFF},   // header size
        {0, 39},           // too small for an info header
        {4, 0x7FFFFFFF},   // width
        {4, 0},            // width
        {8, 0x80000000},   // height
        {8, 0x7FFFFFFF},   // height
        {14, 7},           // bits per pixel
        {16, BI_RLE8},     // compression
        {32, 0xFFFFFFFF},  // colours used
    };
    for (const Field& field : fields) {
        Copy copy(entry->data, entry->size);
        std::memcpy(copy.Data() + field.offset, &field.value, field.offset == 14 ? 2 : 4);
        DibImage image;
        EXPECT_FALSE(DibImage::Decode(copy.Data(), copy.Size(), image)) << field.offset;
    }
}

TEST_F(ResourceSectionTest, TopDownRowsGiveTheSamePicture)
{
    // The 8-bit picture turned top-down: negative height, rows in the other order.
    const ResourceEntry* entry = nullptr;
    for (const ResourceEntry* candidate : OfType(RT_BITMAP))
        if (candidate->data[14] == 8) entry = candidate;
    ASSERT_NE(nullptr, entry);
    BITMAPINFOHEADER header;
    std::memcpy(&header, entry->data, sizeof header);
    const size_t stride = (static_cast<size_t>(header.biWidth) * 8 + 31) / 32 * 4;
    const size_t pixelsAt = entry->size - stride * header.biHeight;
    Copy flipped(entry->data, entry->size);
    const int32_t negative = -header.biHeight;
    std::memcpy(flipped.Data() + 8, &negative, 4);
    for (int32_t row = 0; row < header.biHeight; ++row)
        std::memcpy(flipped.Data() + pixelsAt + stride * row, entry->data + pixelsAt + stride * (header.biHeight - 1 - row), stride);
    DibImage bottomUp;
    DibImage topDown;
    ASSERT_TRUE(DibImage::Decode(entry->data, entry->size, bottomUp));
    ASSERT_TRUE(DibImage::Decode(flipped.Data(), flipped.Size(), topDown));
    ASSERT_EQ(bottomUp.Width(), topDown.Width());
    ASSERT_EQ(bottomUp.Height(), topDown.Height());
    for (int y = 0; y < bottomUp.Height(); ++y)
        for (int x = 0; x < bottomUp.Width(); ++x) EXPECT_EQ(bottomUp.Pixel(x, y), topDown.Pixel(x, y)) << x << "," << y;
}

TEST_F(ResourceSectionTest, CutIconGroupsAreRefused)
{
    const ResourceEntry* group = OfType(RT_GROUP_ICON).front();
    IconDirectory directory;
    ASSERT_TRUE(IconDirectory::Parse(group->data, group->size, directory));
    EXPECT_EQ(2u, directory.Images().size());
    for (size_t cut = 0; cut < group->size; ++cut) {
        Copy copy(group->data, cut);
        EXPECT_FALSE(IconDirectory::Parse(copy.Data(), copy.Size(), directory)) << cut;
    }
}

TEST_F(ResourceSectionTest, ProgramNeverServesTheResourcesOfALibrary)
{
    // Even with the library's symbols in the global scope, the program serves its own resources
    // (the utility's icon and version) and none of the library's (it has no dialogs at all).
    void* global = dlopen((std::string(TAVREL_BIN_DIR) + "/" + kLibrary).c_str(), RTLD_NOW | RTLD_GLOBAL);
    ASSERT_NE(nullptr, global);
    ASSERT_NE(nullptr, dlsym(RTLD_DEFAULT, "TavrelResourceSection"));
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_TEST_PAGE), RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
    EXPECT_NE(nullptr, FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_APPICON), RT_GROUP_ICON));
    dlclose(global);
}

}  // namespace
