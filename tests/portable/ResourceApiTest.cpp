// The resource calls on both targets, against a resource-only library built from a resource
// script alone: dialog templates, strings, bitmaps, icons and raw data, found and missing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/UiTypes.h"
#include "platform/win32api.h"
#include "portable/resources/TestResourceIds.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kLibrary[] = "TVRESTST.dll";

// The pictures of make_pictures.py, top row first, as 32-bit DIB pixels (0x00RRGGBB).
const std::vector<std::vector<uint32_t>> kPicture24 = {{0xFF0000, 0x00FF00, 0x0000FF},
                                                       {0x123456, 0xFFFFFF, 0x000000}};
const uint32_t kPalette8[] = {0x000000, 0xC08040, 0x10E0F0, 0xFFFFFF};
const std::vector<std::vector<int>> kPicture8 = {{0, 1, 2, 3, 1}, {3, 2, 1, 0, 2}, {1, 1, 3, 3, 0}};
const std::vector<std::vector<int>> kPicture4 = {{0, 5, 10, 15}, {15, 10, 5, 1}};
const uint32_t kPalette1[] = {0x203040, 0xF0E0D0};
const std::vector<std::vector<int>> kPicture1 = {{1, 0, 1, 1, 0, 0, 1, 1, 1}, {0, 1, 0, 0, 1, 1, 0, 0, 0}};

std::vector<std::vector<uint32_t>> Colors(const std::vector<std::vector<int>>& indices, const uint32_t* palette)
{
    std::vector<std::vector<uint32_t>> rows;
    for (const auto& row : indices) {
        rows.emplace_back();
        for (int index : row) rows.back().push_back(palette[index]);
    }
    return rows;
}

uint32_t IconPixel(int x, int y, int size)
{
    return static_cast<uint32_t>(7 * x) << 16 | static_cast<uint32_t>(7 * y) << 8 | static_cast<uint32_t>(size);
}

bool IconTransparent(int x, int y)
{
    return x + y < 4;
}

LPCSTR Id(int id)
{
    return MAKEINTRESOURCEA(id);
}

BITMAP Describe(HBITMAP bitmap)
{
    BITMAP info{};
    EXPECT_EQ(static_cast<int>(sizeof info), GetObjectA(bitmap, sizeof info, &info));
    return info;
}

// The bitmap's pixels as a 32-bit DIB, top row first; `bottomUp` reads them the other way.
std::vector<std::vector<uint32_t>> Pixels(HBITMAP bitmap, bool bottomUp = false)
{
    const BITMAP size = Describe(bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = bottomUp ? size.bmHeight : -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> flat(static_cast<size_t>(size.bmWidth) * size.bmHeight, 0xDEADBEEF);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(size.bmHeight, GetDIBits(dc, bitmap, 0, size.bmHeight, flat.data(), &info, DIB_RGB_COLORS));
    DeleteDC(dc);
    std::vector<std::vector<uint32_t>> rows(size.bmHeight);
    for (int y = 0; y < size.bmHeight; ++y) {
        const int row = bottomUp ? size.bmHeight - 1 - y : y;
        rows[y].assign(flat.begin() + static_cast<ptrdiff_t>(row) * size.bmWidth,
                       flat.begin() + static_cast<ptrdiff_t>(row + 1) * size.bmWidth);
    }
    return rows;
}

class ResourceApiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
#endif
        module = LoadLibraryA(kLibrary);
        ASSERT_NE(nullptr, module) << GetLastError();
    }

    void TearDown() override
    {
        if (module) FreeLibrary(module);
    }

    HBITMAP Bitmap(int id, int cx = 0, int cy = 0, UINT flags = 0)
    {
        return static_cast<HBITMAP>(LoadImageA(module, Id(id), IMAGE_BITMAP, cx, cy, flags));
    }

    std::string String(UINT id, int bufferMax = 256)
    {
        std::vector<char> buffer(bufferMax + 1, 'x');
        const int length = LoadStringA(module, id, buffer.data(), bufferMax);
        EXPECT_EQ(static_cast<size_t>(length), std::strlen(buffer.data())) << "id " << id;
        return buffer.data();
    }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    HMODULE module = nullptr;
};

TEST_F(ResourceApiTest, DialogTemplateIsAnExtendedTemplateWithItsControls)
{
    HRSRC found = FindResourceA(module, Id(IDD_TEST_PAGE), RT_DIALOG);
    ASSERT_NE(nullptr, found);
    HGLOBAL loaded = LoadResource(module, found);
    ASSERT_NE(nullptr, loaded);
    const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
    ASSERT_NE(nullptr, bytes);
    ASSERT_GE(SizeofResource(module, found), 26u);
    WORD version, signature, items;
    DWORD style;
    std::memcpy(&version, bytes, 2);
    std::memcpy(&signature, bytes + 2, 2);
    std::memcpy(&style, bytes + 12, 4);
    std::memcpy(&items, bytes + 16, 2);
    EXPECT_EQ(1, version);
    EXPECT_EQ(0xFFFF, signature);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | DS_CONTROL | WS_CHILD | WS_CAPTION), style);
    EXPECT_EQ(2, items);
    FreeResource(loaded);
}

TEST_F(ResourceApiTest, MissingResourcesGiveNullAndWindowsErrors)
{
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(module, Id(IDD_TEST_MISSING), RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(module, Id(IDD_TEST_PAGE), RT_MENU));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
    SetLastError(0);
    EXPECT_EQ(nullptr, LoadImageA(module, Id(IDB_TEST_MISSING), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    // A missing icon is looked for as an animated icon last, a type the library lacks.
    SetLastError(0);
    EXPECT_EQ(nullptr, LoadImageA(module, Id(IDI_TEST_MISSING), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
}

TEST_F(ResourceApiTest, TheProgramsOwnResourcesAreApartFromTheLibrarys)
{
    // The test program carries dialogs of its own (the framework tests'), not the library's.
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, program);
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(program, Id(IDD_TEST_PAGE), RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(nullptr, Id(IDD_TEST_PAGE), RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    // The library is found by its file name, as LoadLibraryA loaded it.
    EXPECT_EQ(module, GetModuleHandleA("tvrestst.dll"));
    EXPECT_EQ(module, GetModuleHandleA("TVRESTST"));
}

TEST_F(ResourceApiTest, RawDataByIdAndByNameHasTheScriptsSize)
{
    HRSRC byId = FindResourceA(module, Id(IDR_TEST_DATA), RT_RCDATA);
    ASSERT_NE(nullptr, byId);
    ASSERT_EQ(7u, SizeofResource(module, byId));
    EXPECT_EQ(0, std::memcmp("ABCDEFG", LockResource(LoadResource(module, byId)), 7));
    EXPECT_EQ(byId, FindResourceA(module, ("#" + std::to_string(IDR_TEST_DATA)).c_str(), RT_RCDATA));

    HRSRC byName = FindResourceA(module, "testdata", RT_RCDATA);
    ASSERT_NE(nullptr, byName);
    ASSERT_EQ(5u, SizeofResource(module, byName));
    EXPECT_EQ(0, std::memcmp("named", LockResource(LoadResource(module, byName)), 5));
    EXPECT_EQ(byName, FindResourceExA(module, RT_RCDATA, "TESTDATA", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
    // The neutral language means "any, as FindResourceA chooses".
    EXPECT_EQ(byName, FindResourceExA(module, RT_RCDATA, "TESTDATA", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceExA(module, RT_RCDATA, "TESTDATA", MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_LANG_NOT_FOUND), GetLastError());
}

TEST_F(ResourceApiTest, StringsComeFromTheirBlocksOfSixteen)
{
    EXPECT_EQ("First", String(IDS_TEST_FIRST));
    EXPECT_EQ("Second line", String(IDS_TEST_SECOND));
    EXPECT_EQ("End of block one", String(IDS_TEST_BLOCK_END));
    EXPECT_EQ("Start of block two", String(IDS_TEST_BLOCK_START));
    EXPECT_EQ("Far away", String(IDS_TEST_FAR));
    // UTF-16 in the library, the ANSI code page (Windows-1252) for the caller.
    EXPECT_EQ("Caf\xE9 \x80" "5", String(IDS_TEST_ACCENTS));
}

TEST_F(ResourceApiTest, StringsAreCutToTheBufferAndAlwaysTerminated)
{
    EXPECT_EQ("Secon", String(IDS_TEST_SECOND, 6));
    EXPECT_EQ("S", String(IDS_TEST_SECOND, 2));
    EXPECT_EQ("", String(IDS_TEST_SECOND, 1));
    EXPECT_EQ("Second line", String(IDS_TEST_SECOND, 12));
}

TEST_F(ResourceApiTest, MissingStringsAreEmpty)
{
    EXPECT_EQ("", String(IDS_TEST_ABSENT));
    EXPECT_EQ("", String(IDS_TEST_EMPTY_BLOCK));
    SetLastError(0);
    char buffer[16] = "untouched";
    EXPECT_EQ(0, LoadStringA(module, IDS_TEST_NO_BLOCK, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
}

TEST_F(ResourceApiTest, BitmapsOfEveryDepthKeepTheirPixels)
{
    struct Case {
        int id;
        std::vector<std::vector<uint32_t>> rows;
    };
    const Case cases[] = {
        {IDB_TEST_24BIT, kPicture24},
        {IDB_TEST_8BIT, Colors(kPicture8, kPalette8)},
        {IDB_TEST_1BIT, Colors(kPicture1, kPalette1)},
    };
    for (const Case& c : cases) {
        HBITMAP bitmap = Bitmap(c.id);
        ASSERT_NE(nullptr, bitmap) << c.id;
        const BITMAP info = Describe(bitmap);
        EXPECT_EQ(static_cast<LONG>(c.rows[0].size()), info.bmWidth) << c.id;
        EXPECT_EQ(static_cast<LONG>(c.rows.size()), info.bmHeight) << c.id;
        EXPECT_EQ(c.rows, Pixels(bitmap)) << c.id;
        EXPECT_EQ(c.rows, Pixels(bitmap, true)) << c.id;
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    std::vector<uint32_t> greys;
    for (uint32_t i = 0; i < 16; ++i) greys.push_back(0x111111 * i);
    HBITMAP fourBits = Bitmap(IDB_TEST_4BIT);
    ASSERT_NE(nullptr, fourBits);
    EXPECT_EQ(Colors(kPicture4, greys.data()), Pixels(fourBits));
    DeleteObject(fourBits);
}

TEST_F(ResourceApiTest, BitmapsAreStretchedToTheFrameSize)
{
    // As the dialog library's pictures are loaded: the frame's size and flag 0x40.
    // Between source pixels the colours are interpolated, from left to right, then downwards.
    HBITMAP bitmap = Bitmap(IDB_TEST_24BIT, 6, 4, LR_DEFAULTSIZE);
    ASSERT_NE(nullptr, bitmap);
    const std::vector<std::vector<uint32_t>> doubled = {
        {0xFF0000, 0x808000, 0x00FF00, 0x008080, 0x0000FF, 0x0000FF},
        {0x891A2B, 0x858D56, 0x80FF80, 0x408080, 0x000080, 0x000080},
        {0x123456, 0x899AAB, 0xFFFFFF, 0x808080, 0x000000, 0x000000},
        {0x123456, 0x899AAB, 0xFFFFFF, 0x808080, 0x000000, 0x000000},
    };
    EXPECT_EQ(doubled, Pixels(bitmap));
    DeleteObject(bitmap);

    // Thirds: every source pixel stays where it falls, the last column and row repeat.
    HBITMAP eightBits = Bitmap(IDB_TEST_8BIT, 15, 9);
    ASSERT_NE(nullptr, eightBits);
    const std::vector<std::vector<uint32_t>> tripled = {
        {0x000000, 0x402B15, 0x80552B, 0xC08040, 0x85A07B, 0x4BC0B5, 0x10E0F0, 0x60EAF5,
         0xAFF5FA, 0xFFFFFF, 0xEAD5BF, 0xD5AA80, 0xC08040, 0xC08040, 0xC08040},
        {0x555555, 0x656E61, 0x75876E, 0x85A07B, 0x72AB8E, 0x5EB5A2, 0x4BC0B5, 0x6BB8B2,
         0x8AB2AE, 0xAAAAAA, 0x9EA79A, 0x92A38B, 0x85A07B, 0x85A07B, 0x85A07B},
        {0xAAAAAA, 0x8AB2AE, 0x6BB8B2, 0x4BC0B5, 0x5EB5A2, 0x72AB8E, 0x85A07B, 0x75876E,
         0x656E61, 0x555555, 0x517975, 0x4E9C95, 0x4BC0B5, 0x4BC0B5, 0x4BC0B5},
        {0xFFFFFF, 0xAFF5FA, 0x60EAF5, 0x10E0F0, 0x4BC0B5, 0x85A07B, 0xC08040, 0x80552B,
         0x402B15, 0x000000, 0x054B50, 0x0B95A0, 0x10E0F0, 0x10E0F0, 0x10E0F0},
        {0xEAD5BF, 0xB5CEBC, 0x80C7B9, 0x4BC0B5, 0x79B9A3, 0xA7B292, 0xD5AA80, 0xAA8E72,
         0x807263, 0x555555, 0x3C6B6E, 0x248087, 0x0B95A0, 0x0B95A0, 0x0B95A0},
        {0xD5AA80, 0xBAA77E, 0xA0A37C, 0x85A07B, 0xA7B192, 0xC8C3A8, 0xEAD5BF, 0xD5C6B8,
         0xBFB8B1, 0xAAAAAA, 0x738A8C, 0x3C6A6E, 0x054B50, 0x054B50, 0x054B50},
        {0xC08040, 0xC08040, 0xC08040, 0xC08040, 0xD5AA80, 0xEAD5BF, 0xFFFFFF, 0xFFFFFF,
         0xFFFFFF, 0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000, 0x000000, 0x000000},
        {0xC08040, 0xC08040, 0xC08040, 0xC08040, 0xD5AA80, 0xEAD5BF, 0xFFFFFF, 0xFFFFFF,
         0xFFFFFF, 0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000, 0x000000, 0x000000},
        {0xC08040, 0xC08040, 0xC08040, 0xC08040, 0xD5AA80, 0xEAD5BF, 0xFFFFFF, 0xFFFFFF,
         0xFFFFFF, 0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000, 0x000000, 0x000000},
    };
    EXPECT_EQ(tripled, Pixels(eightBits));
    DeleteObject(eightBits);
}

TEST_F(ResourceApiTest, IconsPickTheImageOfTheAskedSize)
{
    struct Case {
        HICON icon;
        int size;
    };
    const Case cases[] = {
        {LoadIconA(module, Id(IDI_TEST_SIZES)), 32},
        {static_cast<HICON>(LoadImageA(module, Id(IDI_TEST_SIZES), IMAGE_ICON, 16, 16, 0)), 16},
        {static_cast<HICON>(LoadImageA(module, Id(IDI_TEST_SIZES), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)), 32},
    };
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, c.icon) << c.size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(c.icon, &info));
        EXPECT_TRUE(info.fIcon);
        EXPECT_EQ(static_cast<DWORD>(c.size / 2), info.xHotspot);
        EXPECT_EQ(static_cast<DWORD>(c.size / 2), info.yHotspot);
        const BITMAP color = Describe(info.hbmColor);
        const BITMAP mask = Describe(info.hbmMask);
        EXPECT_EQ(c.size, color.bmWidth);
        EXPECT_EQ(c.size, color.bmHeight);
        EXPECT_EQ(c.size, mask.bmHeight);
        EXPECT_EQ(1, mask.bmBitsPixel);
        const auto colors = Pixels(info.hbmColor);
        const auto masks = Pixels(info.hbmMask);
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                ASSERT_EQ(IconTransparent(x, y) ? 0xFFFFFFu : 0u, masks[y][x]) << c.size << " " << x << "," << y;
                if (!IconTransparent(x, y)) {
                    ASSERT_EQ(IconPixel(x, y, c.size), colors[y][x]) << c.size << " " << x << "," << y;
                }
            }
        }
        EXPECT_TRUE(DeleteObject(info.hbmColor));
        EXPECT_TRUE(DeleteObject(info.hbmMask));
        EXPECT_TRUE(DestroyIcon(c.icon));
    }
}

}  // namespace
