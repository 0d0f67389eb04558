// The colour input dialog from the dialog library: the offered steps (also around the top of the
// hue circle), the selection of the current value, the default text, the swatch and the picture,
// and what OK and Cancel hand back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "color/CColorInputDlg.h"
#include "color/CColorPalette.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/PixelBuffer.h"
#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

using fw::headless::WindowView;

namespace {

using Steps = std::vector<std::string>;

class ColorPaletteInputDlgTest : public ::testing::Test {
protected:
    // Opens the dialog for patch index with value (x, y), default (dx, dy) and the ranges.
    void Prepare(int index, int x, int y, int dx, int dy, int xFirst, int xLast, int yFirst, int yLast)
    {
        ASSERT_TRUE(dialog.InitModalIndirect(library.LoadDialogTemplate(CColorInputDlg::templateId)));
        dialog.SetIndex(index);
        dialog.SetX(x, dx);
        dialog.SetY(y, dy);
        dialog.SetRanges(xFirst, xLast, yFirst, yLast);
    }

    std::pair<int, int> Result() const
    {
        int x = -1, y = -1;
        dialog.GetResult(x, y);
        return {x, y};
    }

    SimMachine machine;
    CDlgRes library;
    CStrRes strings;
    CColorInputDlg dialog;
};

}  // namespace

TEST_F(ColorPaletteInputDlgTest, OffersTheStepsAroundTheHueCircleAndReturnsTheChoice)
{
    Prepare(9, 1, 20, 2, 19, 33, 2, 15, 18);
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_INPUT_DIALOG);
            EXPECT_EQ(view.title, FormatNumber(strings.Load(IDS_TITLE_COLOR_INPUT), 9));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_HUE_LIST).items, (Steps{"33", "34", "35", "0", "1", "2"}));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_STRENGTH_LIST).items, (Steps{"15", "16", "17", "18"}));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_HUE_LIST).selectedText(), "1");
            EXPECT_EQ(view.Control(IDC_COLORINPUT_STRENGTH_LIST).selection, -1);  // 20 is not offered
            EXPECT_EQ(view.Control(IDC_COLORINPUT_DEFAULT_HUE).text, "2");
            EXPECT_EQ(view.Control(IDC_COLORINPUT_DEFAULT_STRENGTH).text, "19");
            EXPECT_EQ(view.Control(IDC_COLORINPUT_OK_BUTTON).text, strings.Load(IDS_BUTTON_OK));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_PICTURE_NOTE).text, strings.Load(IDS_COLORINPUT_PICTURE_NOTE));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_PICTURE).bitmapId, IDB_COLOR_INPUT);
            // Closed, the step lists cover neither each other nor the note below them.
            const RECT hue = view.Control(IDC_COLORINPUT_HUE_LIST).rect;
            const RECT strength = view.Control(IDC_COLORINPUT_STRENGTH_LIST).rect;
            EXPECT_LE(hue.bottom, strength.top);
            EXPECT_LE(strength.bottom, view.Control(IDC_COLORINPUT_STEPS_NOTE).rect.top);
            EXPECT_GT(hue.bottom - hue.top, 10);
        })
        .Do([&](auto&) {
            const HWND swatch = dialog.GetDlgItem(IDC_COLORINPUT_SWATCH)->m_hWnd;
            EXPECT_EQ(fw::headless::Desktop::Get().Surface(swatch).Get(3, 3), CColorPalette::GetFillColor(9));
        })
        .Select(IDC_COLORINPUT_HUE_LIST, "35")
        .Click(IDC_COLORINPUT_OK_BUTTON);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(user.Finished());
    // The y list had no selection: y keeps its value instead of turning into 0.
    EXPECT_EQ(Result(), std::make_pair(35, 20));
}

TEST_F(ColorPaletteInputDlgTest, SingleStepRangeAndOkWithBothChoices)
{
    Prepare(0, 4, 3, 4, 3, 4, 4, 1, 5);
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_COLORINPUT_HUE_LIST).items, (Steps{"4"}));
            EXPECT_EQ(view.Control(IDC_COLORINPUT_STRENGTH_LIST).selectedText(), "3");
        })
        .Select(IDC_COLORINPUT_STRENGTH_LIST, "5")
        .Click(IDC_COLORINPUT_OK_BUTTON);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(Result(), std::make_pair(4, 5));
}

TEST_F(ColorPaletteInputDlgTest, CancelAndCloseKeepTheOpenedValues)
{
    Prepare(30, 10, 12, 11, 12, 8, 14, 7, 17);
    ScriptedUser user;
    user.Select(IDC_COLORINPUT_HUE_LIST, "14")
        .Select(IDC_COLORINPUT_STRENGTH_LIST, "7")
        .Click(IDC_COLORINPUT_CANCEL_BUTTON);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(Result(), std::make_pair(10, 12));

    user.Select(IDC_COLORINPUT_HUE_LIST, "8").Close();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(Result(), std::make_pair(10, 12));
}
