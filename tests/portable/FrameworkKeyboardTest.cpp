// The keyboard on the headless windows: the dialog manager's tab order, access keys, arrow
// keys in a group of radio buttons, Enter and the default button, and the keys that lists and
// sliders take themselves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/CDialog.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/UiView.h"
#include "support/DialogTemplateBuilder.h"
#include "support/ScriptedUser.h"

using fw::headless::WindowView;

namespace {

enum : UINT {
    kNameLabel = 9701, kName, kQuietLabel, kList, kRadioA, kRadioB, kRadioC, kSlider, kHidden, kPush,
};

// Records the commands and scrolls its controls send; OK and Cancel end it as usual.
class KeyDialog : public CDialog {
public:
    KeyDialog() = default;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* item : {"one", "two", "three"}) SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendDlgItemMessage(kSlider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
        SendDlgItemMessage(kSlider, TBM_SETPOS, TRUE, 5);
        GetDlgItem(kHidden)->ShowWindow(SW_HIDE);
        return TRUE;
    }

    std::vector<std::pair<UINT, UINT>> commands;  // id, code
    std::vector<UINT> scrolls;                    // codes

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnHScroll(UINT code, UINT, CWnd*) override { scrolls.push_back(code); }
};

class FrameworkKeyboardTest : public ::testing::Test {
protected:
    FrameworkKeyboardTest() {
        m_template.Add(kNameLabel, FW_CLASS_STATIC, SS_LEFT, 4, 4, 40, 10, "&Name:")
            .Add(kName, FW_CLASS_EDIT, WS_TABSTOP | WS_BORDER, 48, 4, 80, 12)
            .Add(kQuietLabel, FW_CLASS_STATIC, SS_LEFT | WS_DISABLED, 4, 20, 40, 10, "&Quiet:")
            .Add(kList, FW_CLASS_LISTBOX, LBS_NOTIFY | WS_TABSTOP, 48, 20, 80, 30)
            .Add(kRadioA, FW_CLASS_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 4, 54, 60, 10, "&Alpha")
            .Add(kRadioB, FW_CLASS_BUTTON, BS_AUTORADIOBUTTON, 4, 66, 60, 10, "&Beta")
            .Add(kRadioC, FW_CLASS_BUTTON, BS_AUTORADIOBUTTON | WS_DISABLED, 4, 78, 60, 10, "&Gamma")
            .Add(kSlider, FW_CLASS_TRACKBAR, WS_TABSTOP | WS_GROUP, 70, 54, 80, 16)
            .Add(kHidden, FW_CLASS_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 70, 74, 40, 12, "&Hidden")
            .Add(kPush, FW_CLASS_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 70, 90, 40, 12, "&Push")
            .Add(IDOK, FW_CLASS_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 110, 40, 12, "OK")
            .Add(IDCANCEL, FW_CLASS_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 170, 110, 40, 12, "Cancel");
        dialog.InitModalIndirect(m_template.Get());
    }

    // Checks in a script step that id has the focus.
    static std::function<void(const WindowView&)> Focused(UINT id) {
        return [id](const WindowView& view) { EXPECT_TRUE(view.Control(id).focused) << "control " << id; };
    }

    DialogTemplateBuilder m_template{220, 130};
    KeyDialog dialog;
};

}  // namespace

TEST_F(FrameworkKeyboardTest, TabWalksTheUsableTabStopsAndComesRound) {
    ScriptedUser user;
    user.Inspect(Focused(kName));  // the first tab stop has the focus when the dialog opens
    for (UINT id : std::vector<UINT>{kList, kRadioA, kSlider, kPush, IDOK, IDCANCEL, kName}) {
        user.Key("tab").Inspect(Focused(id));
    }
    user.Key("shift+tab").Inspect(Focused(IDCANCEL)).Key("shift+tab").Inspect(Focused(IDOK)).Key("escape");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
}

TEST_F(FrameworkKeyboardTest, AccessKeysArrowsAndEnterActAsTheSystemsDialogManager) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.Key("alt+p")
        .Inspect(Focused(kPush))
        .Key("alt+n")  // a label gives the focus to the control after it
        .Inspect(Focused(kName))
        .Key("alt+q")  // its label is disabled: refused
        .Key("alt+b")
        .Inspect([](const WindowView& view) {
            EXPECT_TRUE(view.Control(kRadioB).focused);
            EXPECT_TRUE(view.Control(kRadioB).checked());
            EXPECT_TRUE(view.Control(kRadioB).style & WS_TABSTOP);
            EXPECT_FALSE(view.Control(kRadioA).style & WS_TABSTOP);  // Tab reaches the checked one
        })
        .Key("down")  // past the disabled Gamma, round to Alpha, which is checked on the way
        .Inspect([](const WindowView& view) {
            EXPECT_TRUE(view.Control(kRadioA).focused);
            EXPECT_TRUE(view.Control(kRadioA).checked());
            EXPECT_FALSE(view.Control(kRadioB).checked());
        })
        .Key("alt+p")
        .Key("enter")  // the focused push button, not the default one
        .Key("alt+n")
        .Key("enter");  // the default button
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(user.Finished());
    ASSERT_EQ(user.Refusals().size(), 1u);
    EXPECT_NE(user.Refusals()[0].find("access key Q"), std::string::npos) << user.Refusals()[0];
    const std::vector<std::pair<UINT, UINT>> expected = {
        {kPush, BN_CLICKED}, {kRadioB, BN_CLICKED}, {kRadioA, BN_CLICKED}, {kPush, BN_CLICKED}, {kPush, BN_CLICKED},
        {IDOK, BN_CLICKED}};
    std::vector<std::pair<UINT, UINT>> clicks;
    for (const auto& command : dialog.commands) {
        if (command.second == BN_CLICKED) clicks.push_back(command);
    }
    EXPECT_EQ(clicks, expected);
}

TEST_F(FrameworkKeyboardTest, ListsAndSlidersTakeTheirOwnKeys) {
    ScriptedUser user;
    user.Key("tab")
        .Key("down")
        .Key("end")
        .Key("up")
        .Inspect([](const WindowView& view) {
            EXPECT_TRUE(view.Control(kList).focused);
            EXPECT_EQ(view.Control(kList).selection, 1);
        })
        .Key("tab")
        .Key("tab")
        .Key("right")
        .Key("home")
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kSlider).position, 0); })
        .Key("escape");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    int selectionChanges = 0;
    for (const auto& command : dialog.commands) selectionChanges += command.first == kList && command.second == LBN_SELCHANGE;
    EXPECT_EQ(selectionChanges, 3);
    EXPECT_EQ(dialog.scrolls, (std::vector<UINT>{TB_LINEDOWN, TB_ENDTRACK, TB_TOP, TB_ENDTRACK}));
}
