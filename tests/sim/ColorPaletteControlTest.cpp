// The palette control in a dialog of its own: layout and hit test, what painting shows for each
// mark, the highlight that follows the mouse over enabled patches only, the click command, and
// the mouse capture that the control gives up outside its area.
#include <gtest/gtest.h>

#include "color/CColorPalette.h"
#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/PixelBuffer.h"
#include "resources/resource.h"
#include "support/DialogTemplateBuilder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

using fw::headless::Desktop;

namespace {

constexpr UINT kTemplate = 9631;
constexpr UINT kButton = 9632;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlack = 0x000000;
constexpr int kCrossedOut = 7;  // and every eighth patch after it

// A 294 x 240 pixel palette: gaps of 6 and 15 pixels, patches from (6, 15) in steps of 36 and 45.
class PaletteDialog : public CDialog {
public:
    PaletteDialog() : CDialog(kTemplate) { MapCommand(IDC_PALETTE, &PaletteDialog::OnPalette, STN_CLICKED); }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        palette.Layout(CColorPalette::rows, CColorPalette::columns);
        for (int i = 0; i < CColorPalette::patchCount; ++i) palette.SetEnabled(i, i % 8 == kCrossedOut ? 0 : 1);
        return TRUE;
    }

    CColorPalette palette;
    std::vector<int> clicked;  // the highlighted patch at each click

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_PALETTE, palette); }

private:
    void OnPalette() { clicked.push_back(palette.GetHighlighted()); }
};

POINT Centre(int index) { return {6 + (index % 8) * 36 + 15, 15 + (index / 8) * 45 + 15}; }

class ColorPaletteControlTest : public ::testing::Test {
protected:
    ColorPaletteControlTest()
    {
        m_template.Add(IDC_PALETTE, FW_CLASS_STATIC, SS_OWNERDRAW | SS_NOTIFY, 10, 8, 196, 148)
            .Add(kButton, FW_CLASS_BUTTON, BS_PUSHBUTTON, 10, 160, 40, 12);
        dialog.InitModalIndirect(m_template.Get());
    }

    COLORREF Pixel(int x, int y) { return Desktop::Get().Surface(dialog.palette.m_hWnd).Get(x, y); }

    SimMachine machine;
    DialogTemplateBuilder m_template{220, 180};
    PaletteDialog dialog;
};

}  // namespace

TEST_F(ColorPaletteControlTest, LayoutPlacesFortyPatchesAndHitTestFindsThem)
{
    ScriptedUser user;
    user.Do([&](auto&) {
        CRect client;
        dialog.palette.GetClientRect(&client);
        ASSERT_EQ(client.Width(), 294);
        ASSERT_EQ(client.Height(), 240);
        const auto& first = CColorPalette::GetPatch(0);
        EXPECT_EQ((std::vector<int>{first.left, first.top, first.right, first.bottom}), (std::vector<int>{6, 15, 36, 45}));
        const auto& last = CColorPalette::GetPatch(39);
        EXPECT_EQ((std::vector<int>{last.left, last.top, last.right, last.bottom}), (std::vector<int>{258, 195, 288, 225}));

        EXPECT_EQ(dialog.palette.HitTest({42, 60}), 9);   // top left pixel of patch 9
        EXPECT_EQ(dialog.palette.HitTest({71, 89}), 9);   // bottom right pixel
        EXPECT_EQ(dialog.palette.HitTest({72, 70}), -1);  // the gap to patch 10
        EXPECT_EQ(dialog.palette.HitTest({50, 50}), -1);  // between the rows
        EXPECT_EQ(dialog.palette.HitTest({287, 224}), 39);

        // More rows than patches: nothing past patch 39 exists to lay out.
        dialog.palette.Layout(7, 8);
        EXPECT_EQ(CColorPalette::GetPatch(39).bottom, CColorPalette::GetPatch(39).top + 30);
        // An area too small for the grid lays out nothing and nothing can be hit.
        dialog.palette.MoveWindow(0, 0, 200, 100);
        dialog.palette.Layout(5, 8);
        EXPECT_EQ(dialog.palette.HitTest({20, 20}), -1);
        EXPECT_EQ(CColorPalette::GetPatch(0).right, 0);
    });
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
}

TEST_F(ColorPaletteControlTest, PaintingShowsFillFramesCrossesAndHighlight)
{
    ScriptedUser user;
    user.Do([&](auto&) {
            dialog.palette.SetChanged(1, 1);
            dialog.palette.SetChanged(2, 1);
            dialog.palette.SetChanged(2, 0);  // back to the unchanged look at once
            EXPECT_EQ(Pixel(42, 20), kWhite);  // patch 1 from (42, 15): inset 0
            EXPECT_EQ(Pixel(41, 20), kRed);    // inset 1
            EXPECT_EQ(Pixel(40, 20), kRed);    // inset 2
            EXPECT_EQ(Pixel(78, 20), CColorPalette::GetFillColor(2));  // patch 2 from (78, 15)
            EXPECT_EQ(Pixel(77, 20), kBlack);
            EXPECT_EQ(Pixel(76, 20), kWhite);
            dialog.palette.Invalidate();
        })
        .Do([&](auto&) {
            EXPECT_EQ(Pixel(0, 0), kWhite);
            EXPECT_EQ(Pixel(82, 20), CColorPalette::GetFillColor(2));
            EXPECT_EQ(Pixel(77, 20), kBlack);                             // frame at inset 1
            EXPECT_EQ(Pixel(41, 20), kRed);                               // the changed patch 1
            EXPECT_EQ(Pixel(6 + 7 * 36 + 5, 20), kRed);                   // the cross of patch 7
            EXPECT_EQ(Pixel(6 + 7 * 36 + 5, 26), CColorPalette::GetFillColor(7));
        })
        .MoveMouse(IDC_PALETTE, Centre(9).x, Centre(9).y)
        .Do([&](auto&) {
            EXPECT_EQ(Pixel(45, 62), CColorPalette::GetPatch(9).hoverFill);
            dialog.palette.Invalidate();
        })
        .Do([&](auto&) { EXPECT_EQ(Pixel(45, 62), CColorPalette::GetPatch(9).hoverFill); });
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
}

TEST_F(ColorPaletteControlTest, HighlightFollowsEnabledPatchesAndClicksReportIt)
{
    ScriptedUser user;
    user.Do([&](auto&) { EXPECT_EQ(dialog.palette.GetHighlighted(), -1); })
        .ClickAt(IDC_PALETTE, Centre(3).x, Centre(3).y)
        .MoveMouse(IDC_PALETTE, Centre(kCrossedOut).x, Centre(kCrossedOut).y)  // crossed out: keeps patch 3
        .Do([&](auto&) { EXPECT_EQ(dialog.palette.GetHighlighted(), 3); })
        .MoveMouse(IDC_PALETTE, Centre(12).x, Centre(12).y)
        .MoveMouse(IDC_PALETTE, 2, 2)  // a gap: the highlight stays
        .Do([&](auto&) {
            EXPECT_EQ(dialog.palette.GetHighlighted(), 12);
            EXPECT_EQ(CColorPalette::GetPatch(3).hover, 0);
            EXPECT_EQ(Pixel(Centre(3).x, Centre(3).y - 10), CColorPalette::GetFillColor(3));
            EXPECT_EQ(CWnd::GetCapture(), &dialog.palette);
        })
        .ClickAt(IDC_PALETTE, 2, 2)
        .Do([&](auto&) {
            dialog.palette.ClearHighlight(12);
            EXPECT_EQ(dialog.palette.GetHighlighted(), -1);
        })
        .ClickAt(IDC_PALETTE, Centre(kCrossedOut).x, Centre(kCrossedOut).y);
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(dialog.clicked, (std::vector<int>{3, 12, -1}));
}

TEST_F(ColorPaletteControlTest, LeavingThePaletteGivesUpTheCaptureButKeepsTheHighlight)
{
    int buttonClicks = 0;
    ScriptedUser user;
    user.MoveMouse(IDC_PALETTE, Centre(20).x, Centre(20).y)
        .Do([&](auto&) { EXPECT_EQ(CWnd::GetCapture(), &dialog.palette); })
        .MoveMouse(kButton, 5, 5)  // reaches the palette, which holds the capture, outside its area
        .Do([&](auto&) {
            EXPECT_EQ(CWnd::GetCapture(), nullptr);
            EXPECT_EQ(dialog.palette.GetHighlighted(), 20);
        })
        .ClickAt(kButton, 5, 5)
        .Do([&](auto&) { buttonClicks = static_cast<int>(dialog.clicked.size()); });
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(buttonClicks, 0) << "a click beside the palette is no palette click";
}

TEST(ColorPaletteKeyboardTest, ArrowsMoveTheCurrentPatchSpaceAndEnterClickItAndItIsNamed)
{
    SimMachine machine;
    DialogTemplateBuilder layout{220, 180};
    layout.Add(IDC_PALETTE, FW_CLASS_STATIC, SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP, 10, 8, 196, 148)
        .Add(kButton, FW_CLASS_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 10, 160, 40, 12);
    PaletteDialog dialog;
    dialog.InitModalIndirect(layout.Get());
    const auto pixel = [&](POINT at) { return Desktop::Get().Surface(dialog.palette.m_hWnd).Get(at.x, at.y); };
    const auto text = [&] { return dialog.palette.GetWindowText(); };
    size_t eventsBefore = 0;
    HWND palette = nullptr;

    ScriptedUser user;
    user.Do([&](auto&) {
            EXPECT_EQ(CWnd::GetFocus(), &dialog.palette);  // the first tab stop
            EXPECT_EQ(text(), "Patch 0");
            eventsBefore = Desktop::Get().WinEvents().size();
            palette = dialog.palette.m_hWnd;
        })
        .Key("end")
        .Key("left")
        .Key("up")
        .Do([&](auto&) {
            EXPECT_EQ(dialog.palette.GetCurrent(), 30);
            EXPECT_EQ(text(), "Patch 30");
            // The dotted focus frame lies three pixels outside the current patch only.
            EXPECT_EQ(pixel({6 + 6 * 36 - 3, 15 + 3 * 45 - 3}), kBlack);
            EXPECT_EQ(pixel({6 + 7 * 36 - 3, 15 + 3 * 45 - 3}), kWhite);
        })
        .Key("home")
        .Key("up")  // nothing above the first row
        .Key("down")
        .Key("left")  // patch 7: crossed out, reachable, but Space opens nothing
        .Do([&](auto&) { EXPECT_EQ(text(), "Patch 7, cannot be changed"); })
        .Key("space")
        .Key("right")
        .Key("space")
        .Key("enter")  // the palette's, not the dialog's default button
        .Key("tab")
        .Do([&](auto&) {
            EXPECT_EQ(pixel({6 + 0 * 36 - 3, 15 + 1 * 45 - 3}), kWhite);  // no frame without the focus
            EXPECT_EQ(dialog.palette.GetHighlighted(), 8);
        })
        .Cancel();
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(dialog.clicked, (std::vector<int>{8, 8}));

    // Each new current patch is a new name and a new focus for a screen reader.
    int names = 0;
    int focuses = 0;
    const auto& events = Desktop::Get().WinEvents();
    for (size_t i = eventsBefore; i < events.size(); ++i) {
        if (events[i].window != palette || events[i].objectId != OBJID_CLIENT) continue;
        names += events[i].event == EVENT_OBJECT_NAMECHANGE;
        focuses += events[i].event == EVENT_OBJECT_FOCUS;
    }
    EXPECT_EQ(names, 7);  // 39, 38, 30, 0, 8, 7, 8: Up from the first row moves nothing
    EXPECT_EQ(focuses, 7);
}
