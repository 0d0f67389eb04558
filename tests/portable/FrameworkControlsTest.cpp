// The controls of the headless backend and dialog data exchange: list searches and sorted
// insertion, combo fields, edit limits, trackbars, buttons, pictures, notifications.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CListBox.h"
#include "framework/CSliderCtrl.h"
#include "framework/CStatic.h"
#include "framework/DataExchange.h"
#include "framework/OwnedPictures.h"
#include "framework/WindowSystem.h"
#include "framework/headless/UiView.h"
#include "framework/headless/UserInput.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/DrawingObjectCensus.h"
#include "framework/headless/PixelBuffer.h"
#include "support/TestTemplateIds.h"
#include "support/ScriptedUser.h"

using fw::headless::UserInput;
using fw::headless::WindowView;

namespace {

constexpr UINT kTemplate = IDD_FW_CONTROLS;
constexpr UINT kSortedList = IDC_FW_SORTED_LIST;
constexpr UINT kPlainList = IDC_FW_PLAIN_LIST;
constexpr UINT kCombo = IDC_FW_COMBO;
constexpr UINT kDropList = IDC_FW_DROP_LIST;
constexpr UINT kName = IDC_FW_NAME;
constexpr UINT kCount = IDC_FW_COUNT;
constexpr UINT kSlider = IDC_FW_SLIDER;
constexpr UINT kRadioA = IDC_FW_RADIO_A;
constexpr UINT kRadioB = IDC_FW_RADIO_B;
constexpr UINT kRadioC = IDC_FW_RADIO_C;
constexpr UINT kCheck = IDC_FW_CHECK;
constexpr UINT kPush = IDC_FW_PUSH;
constexpr UINT kClickable = IDC_FW_CLICKABLE;
constexpr UINT kPicture = IDC_FW_PICTURE;
constexpr UINT kDigits = IDC_FW_DIGITS;
constexpr UINT kIcon = IDC_FW_ICON;
constexpr UINT kSystemExclamationIcon = 32515;  // the system's IDI_EXCLAMATION

// Adds text to the list or combo box id of dialog by its window messages, as pages fill
// their lists before the exchange loads the selections.
void AddItem(CWnd* dialog, UINT id, const char* text) {
    HWND control = fw::ws::DialogItem(dialog->m_hWnd, static_cast<int>(id));
    const UINT add = fw::ws::WindowClass(control) == FW_CLASS_COMBOBOX ? CB_ADDSTRING : LB_ADDSTRING;
    fw::ws::Send(control, add, 0, reinterpret_cast<LPARAM>(text));
}

// Counts the mouse releases that reach it, then lets the button do its work.
class CountingButton : public CButton {
public:
    int releases = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONUP) ++releases;
        return CButton::WindowProc(message, wParam, lParam);
    }
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kTemplate) {
        MapCommand(kPush, &TestDialog::OnPush);
        MapCommandRange(kRadioA, kRadioC, &TestDialog::OnRadio);
    }

    int pushes = 0;
    std::vector<UINT> radios;
    void OnPush() { ++pushes; }
    void OnRadio(UINT id) { radios.push_back(id); }

    CListBox sorted;
    CListBox plain;
    CComboBox combo;
    CComboBox dropList;
    CEdit name;
    CSliderCtrl slider;
    CountingButton push;
    std::string nameText = "start";
    int count = 7;
    int flag = BST_CHECKED;
    int choice = 1;
    std::string comboText = "bb";
    std::string plainText = "two";
    int position = 3;
    std::vector<std::pair<UINT, UINT>> notifications;  // (control, code)
    std::vector<std::pair<UINT, int>> scrolls;         // (code, position read at that moment)

protected:
    BOOL OnInitDialog() override {
        for (const char* item : {"one", "two", "three"}) AddItem(this, kPlainList, item);
        for (const char* item : {"cc", "aa", "bb"}) AddItem(this, kCombo, item);
        for (const char* item : {"x", "y"}) AddItem(this, kDropList, item);
        slider.Attach(fw::ws::DialogItem(m_hWnd, kSlider));
        slider.SetRange(0, 10);
        slider.Detach();
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, kSortedList, sorted);
        DDX_Control(dx, kPlainList, plain);
        DDX_Control(dx, kCombo, combo);
        DDX_Control(dx, kDropList, dropList);
        DDX_Control(dx, kName, name);
        DDX_Control(dx, kSlider, slider);
        DDX_Control(dx, kPush, push);
        DDX_Text(dx, kName, nameText);
        DDV_MaxChars(dx, nameText, 8);
        DDX_Text(dx, kCount, count);
        DDX_Check(dx, kCheck, flag);
        DDX_Radio(dx, kRadioA, choice);
        DDX_CBString(dx, kCombo, comboText);
        DDX_LBStringExact(dx, kPlainList, plainText);
        DDX_Slider(dx, kSlider, position);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        notifications.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnHScroll(UINT code, UINT, CWnd* bar) override {
        scrolls.emplace_back(code, static_cast<CSliderCtrl*>(bar)->GetPos());
    }
};

class Controls : public ::testing::Test {
protected:
    TestDialog dialog;
};

}  // namespace

// ---- Lists -----------------------------------------------------------------------------------

TEST_F(Controls, ASortedListInsertsInOrderIgnoringCase) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        CListBox& list = dialog.sorted;
        for (const char* item : {"beta", "Gamma", "alpha2", "Alpha", "Beta Office"}) list.AddString(item);
        ASSERT_EQ(list.GetCount(), 5);
        const std::vector<std::string> expected = {"Alpha", "alpha2", "beta", "Beta Office", "Gamma"};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(list.GetText(i), expected[static_cast<size_t>(i)]);
        // Inserting at an index does not sort; appending to an unsorted list keeps the order.
        EXPECT_EQ(list.InsertString(0, "zeta"), 0);
        EXPECT_EQ(list.GetText(0), "zeta");
        EXPECT_EQ(dialog.plain.GetText(2), "three");
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Controls, ListSearchesIgnoreCaseStartAfterTheIndexAndWrap) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        CListBox& list = dialog.sorted;
        for (const char* item : {"Alpha", "alpha2", "beta", "Beta Office", "Gamma"}) list.AddString(item);
        EXPECT_EQ(list.FindString(-1, "BE"), 2);
        EXPECT_EQ(list.FindString(2, "be"), 3);
        EXPECT_EQ(list.FindString(3, "be"), 2);  // wrapped around
        EXPECT_EQ(list.FindString(-1, "delta"), LB_ERR);
        EXPECT_EQ(list.FindStringExact(-1, "ALPHA"), 0);
        EXPECT_EQ(list.FindStringExact(0, "alpha"), 0);  // the start item is searched last
        EXPECT_EQ(list.FindStringExact(-1, "alp"), LB_ERR);
        EXPECT_EQ(list.FindStringExact(-1, "beta office"), 3);
        EXPECT_EQ(list.SelectString(-1, "gam"), 4);
        EXPECT_EQ(list.GetCurSel(), 4);
        EXPECT_EQ(list.DeleteString(0), 4);
        EXPECT_EQ(list.GetCurSel(), 3);  // the selection follows its item
        EXPECT_EQ(list.DeleteString(3), 3);
        EXPECT_EQ(list.GetCurSel(), LB_ERR);
        EXPECT_EQ(list.SetCurSel(9), LB_ERR);
        EXPECT_EQ(list.GetTextLen(9), LB_ERR);
        list.SetItemData(1, 42);
        EXPECT_EQ(list.GetItemData(1), 42u);
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Controls, ComboFieldsFollowTheSelection) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        CComboBox& combo = dialog.combo;
        EXPECT_EQ(combo.GetLBText(0), "aa");  // CBS_SORT
        EXPECT_EQ(combo.FindStringExact(-1, "BB"), 1);
        EXPECT_EQ(combo.FindString(-1, "c"), 2);
        combo.SetCurSel(2);
        EXPECT_EQ(combo.GetWindowText(), "cc");
        combo.SetCurSel(-1);
        EXPECT_EQ(combo.GetWindowText(), "");
        combo.SetWindowText("free text");
        EXPECT_EQ(combo.GetWindowText(), "free text");

        CComboBox& list = dialog.dropList;
        list.SetWindowText("Y");  // a drop-down list selects the item with that text
        EXPECT_EQ(list.GetCurSel(), 1);
        EXPECT_EQ(list.GetWindowText(), "y");
        EXPECT_EQ(list.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nothing")), CB_ERR);
        EXPECT_EQ(list.GetCurSel(), 1);
        EXPECT_EQ(list.LimitText(4), CB_ERR);
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Controls, TheUserSelectsItemsByTextAndTheDialogHearsOfIt) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.Select(kPlainList, "THREE")  // no item in this case: any case matches
        .Select(kDropList, "y")
        .Select(kPlainList, "four")   // refused
        .SelectIndex(kCombo, 0)
        .Type(kCombo, "BB")
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(kPlainList).selectedText(), "three");
            EXPECT_EQ(view.Control(kDropList).text, "y");
            EXPECT_EQ(view.Control(kCombo).text, "BB");
            EXPECT_EQ(view.Control(kCombo).selection, 1);  // the typed text matches "bb"
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(user.Refusals().size(), 1u);
    const auto heard = [this](UINT id, UINT code) {
        return std::find(dialog.notifications.begin(), dialog.notifications.end(), std::make_pair(id, code)) !=
               dialog.notifications.end();
    };
    EXPECT_TRUE(heard(kPlainList, LBN_SELCHANGE));
    EXPECT_TRUE(heard(kDropList, CBN_SELCHANGE));
    EXPECT_TRUE(heard(kCombo, CBN_SELCHANGE));
    EXPECT_TRUE(heard(kCombo, CBN_EDITCHANGE));
}

// ---- Edit fields --------------------------------------------------------------------------------

TEST_F(Controls, TypingStopsAtTheLimitButTheProgramMaySetLongerText) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.Type(kName, "abcdefghijkl")  // the exchange limited it to 8
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(kName).text, "abcdefgh");
            EXPECT_EQ(view.Control(kName).limit, 8u);
        })
        .Do([this](UserInput&) {
            dialog.name.LimitText(3);
            EXPECT_EQ(dialog.name.GetLimitText(), 3u);
            dialog.name.SetWindowText("set by the program");
            EXPECT_EQ(dialog.name.GetWindowText(), "set by the program");
        })
        .Type(kDigits, "12a3")
        .Type(kDigits, "abc")  // refused: nothing of it can be typed
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kDigits).text, "123"); })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.Refusals().size(), 1u);
    EXPECT_NE(std::find(dialog.notifications.begin(), dialog.notifications.end(), std::make_pair(kName, UINT{EN_MAXTEXT})),
              dialog.notifications.end());
    EXPECT_NE(std::find(dialog.notifications.begin(), dialog.notifications.end(), std::make_pair(kName, UINT{EN_CHANGE})),
              dialog.notifications.end());
}

TEST_F(Controls, ReplaceSelKeepsToTheLimit) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        CEdit& edit = dialog.name;
        edit.SetWindowText("abcd");
        edit.LimitText(6);
        edit.SetSel(1, 3);
        edit.ReplaceSel("XYZW");  // "a" + "XYZW" + "d" would be 6: fits
        EXPECT_EQ(edit.GetWindowText(), "aXYZWd");
        edit.SetSel(6, 6);
        edit.ReplaceSel("more");
        EXPECT_EQ(edit.GetWindowText(), "aXYZWd");
        int start = 0;
        int end = 0;
        edit.GetSel(start, end);
        EXPECT_EQ(start, 6);
        EXPECT_EQ(end, 6);
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// ---- Trackbars -----------------------------------------------------------------------------------

TEST_F(Controls, ATrackbarKeepsSignedRangesAndClampsItsPosition) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        CSliderCtrl& slider = dialog.slider;
        slider.SetRange(-50, 50);
        EXPECT_EQ(slider.GetRangeMin(), -50);
        EXPECT_EQ(slider.GetRangeMax(), 50);
        slider.SetPos(70);
        EXPECT_EQ(slider.GetPos(), 50);
        slider.SetPos(-80);
        EXPECT_EQ(slider.GetPos(), -50);
        slider.SetTicFreq(5);
        EXPECT_EQ(slider.SetPageSize(1), 20);
        EXPECT_EQ(slider.GetPageSize(), 1);
    });
    user.Slide(kSlider, -20)
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(kSlider).position, -20);
            EXPECT_EQ(view.Control(kSlider).rangeMin, -50);
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::vector<std::pair<UINT, int>> expected = {{TB_THUMBTRACK, -20}, {TB_THUMBPOSITION, -20}, {TB_ENDTRACK, -20}};
    EXPECT_EQ(dialog.scrolls, expected);
}

// ---- Buttons and statics ------------------------------------------------------------------------

TEST_F(Controls, RadioButtonsCheckOnePerGroupAndCheckBoxesToggle) {
    ScriptedUser user;
    user.Click(kRadioC)
        .Inspect([](const WindowView& view) {
            EXPECT_FALSE(view.Control(kRadioA).checked());
            EXPECT_FALSE(view.Control(kRadioB).checked());
            EXPECT_TRUE(view.Control(kRadioC).checked());
            EXPECT_TRUE(view.Control(kCheck).checked());  // loaded by the exchange
        })
        .Click(kCheck)
        .Do([this](UserInput&) {
            EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), static_cast<UINT>(BST_UNCHECKED));
            dialog.CheckRadioButton(kRadioA, kRadioC, kRadioB);
            EXPECT_EQ(dialog.GetCheckedRadioButton(kRadioA, kRadioC), static_cast<int>(kRadioB));
            EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioC), static_cast<UINT>(BST_UNCHECKED));
        })
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Controls, DisabledAndHiddenControlsRefuseTheUser) {
    ScriptedUser user;
    user.ExpectRefusals();
    user.Do([this](UserInput&) {
            dialog.GetDlgItem(kPush)->EnableWindow(FALSE);
            dialog.GetDlgItem(kCheck)->ShowWindow(SW_HIDE);
        })
        .Click(kPush)
        .Click(kCheck)
        .Click(4242)
        .Click(kSortedList)
        .Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.Refusals().size(), 4u);
    EXPECT_NE(user.Refusals()[0].find("disabled"), std::string::npos);
    EXPECT_NE(user.Refusals()[1].find("hidden"), std::string::npos);
    EXPECT_NE(user.Refusals()[2].find("no control 4242"), std::string::npos);
    EXPECT_EQ(dialog.push.releases, 0);
}

TEST_F(Controls, AnAttachedControlObjectGetsItsMessagesAndTheParentItsNotification) {
    ScriptedUser user;
    user.Click(kPush).Click(kClickable).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.push.releases, 1);
    std::vector<std::pair<UINT, UINT>> clicks;
    for (const auto& notification : dialog.notifications) {
        if (notification.first == kPush || notification.first == kClickable) clicks.push_back(notification);
    }
    const std::vector<std::pair<UINT, UINT>> expected = {{kPush, BN_CLICKED}, {kClickable, STN_CLICKED}};
    EXPECT_EQ(clicks, expected);
    EXPECT_EQ(dialog.push.m_hWnd, nullptr);  // detached with its window
}

TEST_F(Controls, TheObjectOfAControlWithoutOneHasTheControlsClass) {
    ScriptedUser user;
    user.Do([this](UserInput&) {
        EXPECT_NE(dynamic_cast<CEdit*>(dialog.GetDlgItem(kCount)), nullptr);
        EXPECT_NE(dynamic_cast<CButton*>(dialog.GetDlgItem(kRadioA)), nullptr);
        EXPECT_NE(dynamic_cast<CStatic*>(dialog.GetDlgItem(kPicture)), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(kPush), &dialog.push);
        EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
        dialog.SetDlgItemInt(kCount, static_cast<UINT>(-12));
        BOOL translated = FALSE;
        EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(kCount, &translated)), -12);
        EXPECT_TRUE(translated);
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Controls, APictureShowsTheBitmapResourceWithItsPixelsAndTakesItsSize) {
    const HMODULE program = GetModuleHandleA(nullptr);
    fw::headless::PixelBuffer shown;
    RECT place{};
    ScriptedUser user;
    user.Do([&](UserInput&) {
        CStatic* picture = static_cast<CStatic*>(dialog.GetDlgItem(kPicture));
        HBITMAP stretched = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 50, 80);
        ASSERT_NE(stretched, nullptr);
        EXPECT_EQ(picture->SetBitmap(stretched), nullptr);
        HBITMAP own = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 0, 0);  // its own size
        ASSERT_NE(own, nullptr);
        EXPECT_EQ(picture->SetBitmap(own), stretched);
        EXPECT_TRUE(fw::ws::DeleteGdiObject(stretched));
        EXPECT_EQ(fw::ws::LoadBitmapSized(program, IDB_FW_MISSING, 10, 10), nullptr);
        EXPECT_EQ(fw::ws::LoadBitmapSized(nullptr, IDB_FW_PICTURE, 10, 10), nullptr);
        picture->GetWindowRect(&place);
        dialog.ScreenToClient(&place);
        shown = fw::headless::Desktop::Get().Render(dialog.m_hWnd);
    });
    user.Inspect([](const WindowView& view) {
        EXPECT_EQ(view.Control(kPicture).bitmapId, static_cast<UINT>(IDB_FW_PICTURE));
        EXPECT_EQ(view.Control(kPicture).rect.right - view.Control(kPicture).rect.left, 6);
        EXPECT_EQ(view.Control(kPicture).rect.bottom - view.Control(kPicture).rect.top, 4);
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_FALSE(shown.Empty());
    // The resource's own pixels, top row first, as the picture file holds them.
    EXPECT_EQ(shown.Get(place.left, place.top), RGB(255, 0, 0));
    EXPECT_EQ(shown.Get(place.left + 2, place.top), RGB(255, 0, 0));
    EXPECT_EQ(shown.Get(place.left + 3, place.top), RGB(0, 255, 0));
    EXPECT_EQ(shown.Get(place.left, place.top + 1), RGB(0, 0, 255));
    EXPECT_EQ(shown.Get(place.left + 5, place.top + 3), RGB(255, 255, 255));
    EXPECT_EQ(shown.Get(place.left + 6, place.top + 3), RGB(240, 240, 240));  // the dialog beside it
}

TEST_F(Controls, AnIconShowsThroughItsTransparentPartsAndBlendsItsAlpha) {
    fw::headless::PixelBuffer shown;
    RECT place{};
    HICON loaded = nullptr;
    ScriptedUser user;
    user.Do([&](UserInput&) {
        CStatic* icon = static_cast<CStatic*>(dialog.GetDlgItem(kIcon));
        loaded = fw::ws::LoadIconResource(GetModuleHandleA(nullptr), IDI_FW_ICON);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(icon->SetIcon(loaded), nullptr);
        icon->GetWindowRect(&place);
        dialog.ScreenToClient(&place);
        shown = fw::headless::Desktop::Get().Render(dialog.m_hWnd);
    });
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kIcon).iconId, static_cast<UINT>(IDI_FW_ICON)); });
    user.Do([&](UserInput&) {
        EXPECT_EQ(static_cast<CStatic*>(dialog.GetDlgItem(kIcon))->SetIcon(nullptr), loaded);
        EXPECT_TRUE(fw::ws::DeleteGdiObject(loaded));
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_FALSE(shown.Empty());
    EXPECT_EQ(shown.Get(place.left + 1, place.top + 1), RGB(240, 240, 240));  // see-through ground
    EXPECT_EQ(shown.Get(place.left + 9, place.top + 9), RGB(0, 0, 0));        // the square
    EXPECT_EQ(shown.Get(place.left + 23, place.top + 23), RGB(0, 0, 0));
    EXPECT_EQ(shown.Get(place.left + 24, place.top + 23), RGB(240, 240, 240));
    EXPECT_EQ(shown.Get(place.left + 8, place.top + 8), RGB(248, 120, 120));  // half red over the face
}

TEST_F(Controls, TheSystemsOwnIconsComeWithoutAModuleAndAModuleWithoutTheIconGivesTheApplicationIcon) {
    HICON exclamation = fw::ws::LoadIconResource(nullptr, kSystemExclamationIcon);
    EXPECT_NE(exclamation, nullptr);
    HICON fallback = fw::ws::LoadIconResource(GetModuleHandleA(nullptr), IDB_FW_MISSING);
    EXPECT_NE(fallback, nullptr);
    EXPECT_NE(fallback, exclamation);
    EXPECT_TRUE(fw::ws::DeleteGdiObject(exclamation));
    EXPECT_TRUE(fw::ws::DeleteGdiObject(fallback));
}

bool BitmapAlive(HBITMAP bitmap) {
    BITMAP info{};
    return GetObjectA(bitmap, sizeof(info), &info) == static_cast<int>(sizeof(info));
}

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST_F(Controls, PicturesStillShownGoWithTheDialogAndOnesTakenBackStayWithTheCaller) {
    const HMODULE program = GetModuleHandleA(nullptr);
    const auto before = fw::headless::DrawingObjectCensus::Take();
    const std::size_t ownedBefore = fw::OwnedPictures::Count();
    HBITMAP first = nullptr;
    HBITMAP shown = nullptr;
    HBITMAP takenBack = nullptr;
    HICON icon = nullptr;
    HICON systemIcon = nullptr;
    ScriptedUser user;
    user.Do([&](UserInput&) {
        first = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 0, 0);
        shown = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 12, 8);
        icon = fw::ws::LoadIconResource(program, IDI_FW_ICON);
        ASSERT_TRUE(first && shown && icon);
        auto* picture = static_cast<CStatic*>(dialog.GetDlgItem(kPicture));
        picture->SetBitmap(first);
        takenBack = picture->SetBitmap(shown);
        static_cast<CStatic*>(dialog.GetDlgItem(kIcon))->SetIcon(icon);
#ifndef _WIN32  // Wine does not count the system's objects
        EXPECT_NE(fw::headless::DrawingObjectCensus::Take(), before);
#endif
    });
    user.Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    EXPECT_EQ(takenBack, first);
    EXPECT_FALSE(BitmapAlive(shown));
    EXPECT_FALSE(IconAlive(icon));
    EXPECT_TRUE(BitmapAlive(takenBack));
    EXPECT_TRUE(fw::ws::DeleteGdiObject(takenBack));
    EXPECT_EQ(fw::OwnedPictures::Count(), ownedBefore);
    EXPECT_EQ(fw::headless::DrawingObjectCensus::Take(), before);

    // One of the system's own icons shown by a dialog leaves nothing behind either.
    TestDialog other;
    ScriptedUser again;
    again.Do([&](UserInput&) {
        systemIcon = fw::ws::LoadIconResource(nullptr, kSystemExclamationIcon);
        ASSERT_NE(systemIcon, nullptr);
        static_cast<CStatic*>(other.GetDlgItem(kIcon))->SetIcon(systemIcon);
    });
    again.Cancel();
    EXPECT_EQ(other.DoModal(), IDCANCEL);
    EXPECT_EQ(fw::OwnedPictures::Count(), ownedBefore);
    EXPECT_EQ(fw::headless::DrawingObjectCensus::Take(), before);
}

// ---- Dialog data exchange -------------------------------------------------------------------

TEST_F(Controls, TheExchangeLoadsTheControlsAndOkSavesThem) {
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(kName).text, "start");
            EXPECT_EQ(view.Control(kCount).text, "7");
            EXPECT_TRUE(view.Control(kCheck).checked());
            EXPECT_TRUE(view.Control(kRadioB).checked());
            EXPECT_EQ(view.Control(kCombo).text, "bb");
            EXPECT_EQ(view.Control(kPlainList).selectedText(), "two");
            EXPECT_EQ(view.Control(kSlider).position, 3);
        })
        .Type(kName, "renamed")
        .Type(kCount, "12")
        .Click(kCheck)
        .Click(kRadioA)
        .Type(kCombo, "typed")
        .Select(kPlainList, "one")
        .Slide(kSlider, 9)
        .Click(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.nameText, "renamed");
    EXPECT_EQ(dialog.count, 12);
    EXPECT_EQ(dialog.flag, BST_UNCHECKED);
    EXPECT_EQ(dialog.choice, 0);
    EXPECT_EQ(dialog.comboText, "typed");
    EXPECT_EQ(dialog.plainText, "one");
    EXPECT_EQ(dialog.position, 9);
}

TEST_F(Controls, AFailedExchangeKeepsTheDialogOpen) {
    ScriptedUser user;
    user.Type(kCount, "12x")
        .Click(IDOK)  // not a number: the dialog stays
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, kTemplate); })
        .Do([this](UserInput&) { EXPECT_EQ(fw::ws::Focus(), fw::ws::DialogItem(dialog.m_hWnd, kCount)); })
        .Type(kCount, " 13 ")
        .Click(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 13);
}

TEST_F(Controls, TheCommandMapRoutesClicksToMemberFunctions) {
    ScriptedUser user;
    user.Click(kPush).Click(kRadioC).Click(kRadioA).Click(kCheck).Cancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.pushes, 1);
    EXPECT_EQ(dialog.radios, (std::vector<UINT>{kRadioC, kRadioA}));
}
