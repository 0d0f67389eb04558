// Drawing into headless pixel buffers (fills, one-pixel lines, text, fonts), painting on
// demand, the composed picture of a window, and PNG output that a reader can decode.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"
#include "framework/CStatic.h"
#include "framework/DataExchange.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/PixelBuffer.h"
#include "framework/headless/PngWriter.h"
#include "framework/headless/UserInput.h"
#include "support/ScriptedUser.h"
#include "support/TestTemplateIds.h"

using fw::headless::Desktop;
using fw::headless::PixelBuffer;
using fw::headless::PngWriter;
using fw::headless::UserInput;

namespace {

constexpr UINT kTemplate = IDD_FW_CANVAS;
constexpr UINT kCanvas = IDC_FW_CANVAS;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Paints a white field, a red line and a black label centred at the bottom.
class Canvas : public CStatic {
public:
    int paints = 0;
    bool bold = false;

protected:
    void OnPaint() override {
        ++paints;
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kWhite);
        CPen red(PS_SOLID, 1, kRed);
        CPen* old = dc.SelectObject(&red);
        dc.MoveTo(2, 2);
        dc.LineTo(12, 2);
        dc.SelectObject(old);
        CFont font;
        LOGFONT logFont{};
        logFont.lfHeight = 80;
        logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        font.CreatePointFontIndirect(&logFont);
        CFont* oldFont = dc.SelectObject(&font);
        dc.SetTextColor(kBlack);
        dc.SetBkColor(kWhite);
        dc.DrawText("39", &client, DT_SINGLELINE | DT_CENTER | DT_BOTTOM);
        dc.SelectObject(oldFont);
    }
};

class CanvasDialog : public CDialog {
public:
    CanvasDialog() : CDialog(kTemplate) {}
    Canvas canvas;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kCanvas, canvas); }
};

class Drawing : public ::testing::Test {
protected:
    PixelBuffer& Canvas() { return Desktop::Get().Surface(dialog.canvas.m_hWnd); }

    CanvasDialog dialog;
};

// ---- A reader for the pictures PngWriter writes ------------------------------------------------

uint32_t Crc(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Big32(const std::vector<uint8_t>& bytes, size_t at) {
    return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

struct DecodedPng {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgb;  // rows without filter bytes
};

// Checks the structure and every checksum; false with a failure recorded when anything is off.
bool Decode(const std::vector<uint8_t>& bytes, DecodedPng& picture) {
    const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 8 || !std::equal(signature.begin(), signature.end(), bytes.begin())) {
        ADD_FAILURE() << "no PNG signature";
        return false;
    }
    std::vector<uint8_t> zlib;
    bool ended = false;
    for (size_t at = 8; at + 12 <= bytes.size() && !ended;) {
        const uint32_t length = Big32(bytes, at);
        const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(at + 4), bytes.begin() + static_cast<std::ptrdiff_t>(at + 8));
        EXPECT_EQ(Crc(bytes.data() + at + 4, length + 4), Big32(bytes, at + 8 + length)) << "CRC of " << type;
        const size_t data = at + 8;
        if (type == "IHDR") {
            picture.width = Big32(bytes, data);
            picture.height = Big32(bytes, data + 4);
            EXPECT_EQ(bytes[data + 8], 8);  // bits per sample
            EXPECT_EQ(bytes[data + 9], 2);  // RGB
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), bytes.begin() + static_cast<std::ptrdiff_t>(data),
                        bytes.begin() + static_cast<std::ptrdiff_t>(data + length));
        } else if (type == "IEND") {
            ended = true;
        }
        at = data + length + 4;
    }
    EXPECT_TRUE(ended);
    if (zlib.size() < 6 || ((zlib[0] << 8) | zlib[1]) % 31 != 0) {
        ADD_FAILURE() << "bad zlib header";
        return false;
    }
    std::vector<uint8_t> raw;
    size_t at = 2;
    for (bool last = false; !last;) {
        last = zlib.at(at) & 1;
        EXPECT_EQ(zlib[at] >> 1, 0) << "only stored blocks are expected";
        const uint16_t length = static_cast<uint16_t>(zlib.at(at + 1) | (zlib.at(at + 2) << 8));
        const uint16_t complement = static_cast<uint16_t>(zlib.at(at + 3) | (zlib.at(at + 4) << 8));
        EXPECT_EQ(static_cast<uint16_t>(~length), complement);
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   zlib.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
        at += 5 + length;
    }
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(Big32(zlib, at), (b << 16) | a) << "Adler-32";
    const size_t row = 1 + 3 * size_t{picture.width};
    if (raw.size() != row * picture.height) {
        ADD_FAILURE() << "image data of the wrong size";
        return false;
    }
    for (size_t y = 0; y < picture.height; ++y) {
        EXPECT_EQ(raw[y * row], 0) << "filter of row " << y;
        picture.rgb.insert(picture.rgb.end(), raw.begin() + static_cast<std::ptrdiff_t>(y * row + 1),
                           raw.begin() + static_cast<std::ptrdiff_t>((y + 1) * row));
    }
    return true;
}

}  // namespace

// ---- Painting into windows ----------------------------------------------------------------------

TEST_F(Drawing, LinesLeaveOutTheirEndPointAndFillsCoverTheirRectangle) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
            EXPECT_EQ(dialog.canvas.paints, 1);  // painted before the user acts
            const PixelBuffer& pixels = Canvas();
            EXPECT_EQ(pixels.Width(), 60);
            EXPECT_EQ(pixels.Height(), 65);
            EXPECT_EQ(pixels.Get(2, 2), kRed);
            EXPECT_EQ(pixels.Get(11, 2), kRed);
            EXPECT_EQ(pixels.Get(12, 2), kWhite);
            EXPECT_EQ(pixels.Get(1, 2), kWhite);
            EXPECT_EQ(pixels.Get(0, 0), kWhite);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Drawing, TextIsCentredAtTheBottomAndBoldTextIsHeavier) {
    int regular = 0;
    ScriptedUser user;
    user.Do([&](UserInput&) {
            const PixelBuffer& pixels = Canvas();
            const int height = pixels.Height();
            regular = pixels.Count(RECT{0, 0, 60, height}, kBlack);
            EXPECT_GT(regular, 0);
            EXPECT_EQ(pixels.Count(RECT{0, 0, 60, height - 11}, kBlack), 0);  // only in the bottom line
            // Centred: as much ink on either side of the middle.
            EXPECT_EQ(pixels.Count(RECT{0, 0, 24, height}, kBlack), 0);
            EXPECT_EQ(pixels.Count(RECT{36, 0, 60, height}, kBlack), 0);
            dialog.canvas.bold = true;
            dialog.canvas.Invalidate();
        })
        .Do([&](UserInput&) {
            EXPECT_EQ(dialog.canvas.paints, 2);  // painted again at the next idle moment
            EXPECT_GT(Canvas().Count(RECT{0, 0, 60, 65}, kBlack), regular);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Drawing, AClientContextDrawsAtOnceAndRectanglesUsePenAndBrush) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
            CClientDC dc(&dialog.canvas);
            EXPECT_EQ(dc.SetPixel(5, 5, kBlue), kBlue);
            EXPECT_EQ(dc.GetPixel(5, 5), kBlue);
            EXPECT_EQ(dc.GetPixel(500, 5), CLR_INVALID);
            CPen pen(PS_SOLID, 1, kRed);
            CBrush brush(kBlue);
            dc.SelectObject(&pen);
            dc.SelectObject(&brush);
            dc.Rectangle(20, 20, 30, 26);
            const PixelBuffer& pixels = Canvas();
            EXPECT_EQ(pixels.Count(RECT{20, 20, 30, 26}, kRed), 2 * 10 + 2 * 4);
            EXPECT_EQ(pixels.Count(RECT{20, 20, 30, 26}, kBlue), 8 * 4);
            EXPECT_EQ(pixels.Get(30, 20), kWhite);
            CSize extent = dc.GetTextExtent("abc");
            EXPECT_EQ(extent.cx, 18);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Drawing, APointFontHasTheScreensPixelHeight) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Arial"));
    LOGFONT info{};
    ASSERT_TRUE(font.GetLogFont(&info));
    EXPECT_EQ(info.lfHeight, -11);
    EXPECT_STREQ(info.lfFaceName, "Arial");
}

TEST_F(Drawing, TheWindowsPictureShowsItsChildrenInPlace) {
    PixelBuffer picture;
    RECT canvas{};
    ScriptedUser user;
    user.Do([&](UserInput&) {
            picture = Desktop::Get().Render(dialog.m_hWnd);
            dialog.canvas.GetWindowRect(&canvas);
            dialog.ScreenToClient(&canvas);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(picture.Width(), 225);
    EXPECT_EQ(picture.Get(canvas.left + 2, canvas.top + 2), kRed);
    EXPECT_EQ(picture.Get(canvas.left - 1, canvas.top), RGB(240, 240, 240));  // the dialog's face
}

// ---- PNG ---------------------------------------------------------------------------------------

TEST(PngOutput, APictureDecodesToTheSamePixels) {
    PixelBuffer picture(3, 2, kWhite);
    picture.Set(0, 0, kRed);
    picture.Set(1, 0, RGB(1, 2, 3));
    picture.Set(2, 1, kBlue);
    DecodedPng decoded;
    ASSERT_TRUE(Decode(PngWriter::Encode(picture), decoded));
    EXPECT_EQ(decoded.width, 3u);
    EXPECT_EQ(decoded.height, 2u);
    const std::vector<uint8_t> expected = {255, 0, 0, 1, 2, 3, 255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255};
    EXPECT_EQ(decoded.rgb, expected);
}

TEST(PngOutput, ALargePictureSpansSeveralBlocksAndIsSavedWhole) {
    PixelBuffer picture(200, 120, kWhite);  // more than one stored block of 65535 bytes
    picture.Line(0, 60, 200, 60, kRed);
    const auto bytes = PngWriter::Encode(picture);
    DecodedPng decoded;
    ASSERT_TRUE(Decode(bytes, decoded));
    ASSERT_EQ(decoded.rgb.size(), 200u * 120u * 3u);
    const size_t diagonal = (size_t{60} * 200 + 100) * 3;  // on the line
    EXPECT_EQ(decoded.rgb[diagonal], 255);
    EXPECT_EQ(decoded.rgb[diagonal + 1], 0);

    const auto path = std::filesystem::temp_directory_path() / "framework-drawing-test.png";
    ASSERT_TRUE(PngWriter::Save(picture, path.string()));
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    std::filesystem::remove(path);
    EXPECT_EQ(saved, bytes);
    EXPECT_FALSE(PngWriter::Save(picture, (std::filesystem::temp_directory_path() / "no-such-folder" / "x.png").string()));
}
