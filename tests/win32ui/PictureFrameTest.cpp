// Every picture of the dialog library fills its frame on real windows, at the screen's
// resolution: the drawing nearest the frame, shown as drawn (sharp) and in its own shape, and
// the picture control keeps its frame's place. Run at 96, 144 and 192 dpi (tools/wine-run.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win32api.h"

#include <commctrl.h>
#include "controls/CmyStatic.h"
#include "framework/PictureFit.h"
#include "framework/ResourceModule.h"
#include "resources/resource.h"

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct FramedPicture {
    UINT dialog;
    int picture;
    int frame;
    UINT bitmap;
};

constexpr FramedPicture kPictures[] = {
    {IDD_SELECT_EDIT_PAGE, IDC_SELECTEDIT_PICTURE, IDC_SELECTEDIT_PICTURE_FRAME, IDB_SIDE_PICTURE},
    {IDD_SELECT_EDIT_PAGE, IDC_SELECTEDIT_COLOR_PICTURE, IDC_SELECTEDIT_COLOR_FRAME, IDB_TASK_COLOR},
    {IDD_SELECT_EDIT_PAGE, IDC_SELECTEDIT_GAMMA_PICTURE, IDC_SELECTEDIT_GAMMA_FRAME, IDB_TASK_GAMMA},
    {IDD_SELECT_EDIT_PAGE, IDC_SELECTEDIT_EXCHANGE_PICTURE, IDC_SELECTEDIT_EXCHANGE_FRAME, IDB_TASK_EXCHANGE},
    {IDD_COLOR_INPUT_DIALOG, IDC_COLORINPUT_PICTURE, IDC_COLORINPUT_PICTURE_FRAME, IDB_COLOR_INPUT},
    {IDD_GAMMA_PAGE, IDC_GAMMA_SCALE_PICTURE, IDC_GAMMA_SCALE_FRAME, IDB_GAMMA_SCALE},
    {IDD_GAMMA_PAGE, IDC_GAMMA_CURVE_PICTURE, IDC_GAMMA_CURVE_FRAME, IDB_GAMMA_CURVE4},
    {IDD_GAMMA_PAGE, IDC_GAMMA_ZONE_PICTURE1, IDC_GAMMA_ZONE_FRAME1, IDB_ZONE1_GREEN},
    {IDD_GAMMA_PAGE, IDC_GAMMA_ZONE_PICTURE2, IDC_GAMMA_ZONE_FRAME2, IDB_ZONE2_GREEN},
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

RECT PlaceInDialog(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class PictureFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        m_dialogs = LoadLibraryA("XVDLGENU.dll");
        ASSERT_NE(m_dialogs, nullptr);
        m_previous = fw::SetResourceModule(m_dialogs);
        m_frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override {
        if (m_frame) DestroyWindow(m_frame);
        fw::SetResourceModule(m_previous);
        if (m_dialogs) FreeLibrary(m_dialogs);
    }

    HMODULE m_dialogs = nullptr;
    HMODULE m_previous = nullptr;
    HWND m_frame = nullptr;
};

// The run names its resolution (TAVREL_WINE_DPI); the screen must have it, or nothing below
// was tried at that resolution.
TEST_F(PictureFrameTest, TheScreenHasTheResolutionOfTheRun) {
    const char* wanted = std::getenv("TAVREL_WINE_DPI");
    EXPECT_EQ(ScreenDpi(), wanted ? std::atoi(wanted) : 96);
}

TEST_F(PictureFrameTest, EveryPictureFillsItsFrameSharpAndInItsOwnShape) {
    for (const FramedPicture& entry : kPictures) {
        const std::string where = "template " + std::to_string(entry.dialog) + " picture " + std::to_string(entry.picture);
        HWND dialog = CreateDialogParamA(m_dialogs, MAKEINTRESOURCEA(entry.dialog), m_frame, &QuietDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << where;
        HWND frameWindow = GetDlgItem(dialog, entry.frame);
        HWND pictureWindow = GetDlgItem(dialog, entry.picture);
        ASSERT_TRUE(frameWindow && pictureWindow) << where;
        const SIZE frame = ClientSize(frameWindow);

        CmyStatic picture;
        ASSERT_TRUE(picture.Attach(pictureWindow)) << where;
        RECT client{0, 0, frame.cx, frame.cy};
        picture.SetBitmap(entry.bitmap, client);
        BITMAP shown{};
        auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(pictureWindow, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_EQ(GetObjectA(bitmap, sizeof(shown), &shown), static_cast<int>(sizeof(shown))) << where;

        // Shown whole and in the shape it was drawn in, filling the frame on its tighter side
        // (within two pixels), never running over it by more.
        SIZE base{};
        ASSERT_TRUE(fw::PictureFit::ResourceSize(m_dialogs, entry.bitmap, &base)) << where;
        const std::string sizes = std::to_string(shown.bmWidth) + "x" + std::to_string(shown.bmHeight) + " in " +
                                  std::to_string(frame.cx) + "x" + std::to_string(frame.cy);
        EXPECT_LE(std::abs(shown.bmWidth * base.cy - shown.bmHeight * base.cx), std::max(base.cx, base.cy))
            << where << ": " << sizes << ", drawn " << base.cx << "x" << base.cy;
        EXPECT_LE(shown.bmWidth, frame.cx + 2) << where << ": " << sizes;
        EXPECT_LE(shown.bmHeight, frame.cy + 2) << where << ": " << sizes;
        EXPECT_TRUE(shown.bmWidth >= frame.cx - 2 || shown.bmHeight >= frame.cy - 2) << where << ": " << sizes;
        // On a 96-dpi screen every frame has the size its picture was drawn at: shown unscaled.
        if (ScreenDpi() == 96) {
            EXPECT_EQ(shown.bmWidth, base.cx) << where << ": " << sizes;
            EXPECT_EQ(shown.bmHeight, base.cy) << where << ": " << sizes;
        }
        // The control stays where its frame is: it centres the picture instead of shrinking.
        const RECT a = PlaceInDialog(frameWindow);
        const RECT b = PlaceInDialog(pictureWindow);
        EXPECT_TRUE(EqualRect(&a, &b)) << where;

        picture.Detach();
        DestroyWindow(dialog);
    }
}

// Which drawing a frame takes, and when it is shown unscaled.
TEST(PictureFit, TakesTheNearestDrawingAndKeepsItsShape) {
    struct Row { SIZE base; SIZE frame; int percent; };
    const Row nearest[] = {
        {{100, 50}, {100, 50}, 100}, {{100, 50}, {124, 62}, 100}, {{100, 50}, {125, 80}, 150},  // a tie: the larger
        {{100, 50}, {146, 73}, 150}, {{100, 50}, {300, 60}, 100}, {{100, 50}, {400, 200}, 200},
        {{100, 50}, {0, 0}, 100},
    };
    for (const Row& row : nearest)
        EXPECT_EQ(fw::PictureFit::NearestPercent(row.base, row.frame), row.percent) << row.frame.cx << "x" << row.frame.cy;
    EXPECT_EQ(fw::PictureFit::ScaledId(IDB_GAMMA_SCALE, 150), IDB_GAMMA_SCALE + 100u);

    struct Fit { SIZE drawn; SIZE frame; SIZE load; };
    const Fit fits[] = {
        {{164, 314}, {163, 313}, {0, 0}},      // within two pixels: as drawn, centred
        {{328, 628}, {315, 603}, {315, 603}},  // the 200 % drawing in a frame of 192 dpi
        {{240, 40}, {189, 23}, {138, 23}},     // height decides: the shape stays
        {{120, 120}, {66, 65}, {65, 65}},
        {{0, 0}, {66, 65}, {0, 0}},
    };
    for (const Fit& row : fits) {
        const SIZE load = fw::PictureFit::LoadSize(row.drawn, row.frame);
        EXPECT_EQ(load.cx, row.load.cx) << row.drawn.cx << "x" << row.drawn.cy;
        EXPECT_EQ(load.cy, row.load.cy) << row.drawn.cx << "x" << row.drawn.cy;
    }
}

}  // namespace
