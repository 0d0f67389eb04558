// Modal dialogs of the framework on real windows: controls made from a template built by the
// test or from the program's dialog resources, control messages, timers, closing, message
// boxes and bitmap resources.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CListBox.h"
#include "framework/CMenu.h"
#include "framework/CSliderCtrl.h"
#include "framework/CStatic.h"
#include "framework/MessageBox.h"
#include "framework/WindowSystem.h"
#include "support/DialogTemplateBuilder.h"
#include "support/TestTemplateIds.h"
#include "win32ui/ProbeDialog.h"

namespace {

enum : UINT { kCheck = 1001, kEdit = 1002, kList = 1003, kCombo = 1004, kSlider = 1005, kLabel = 1006 };
constexpr UINT kSystemExclamationIcon = 32515;  // the system's IDI_EXCLAMATION

struct ItemSpec {
    UINT id;
    const char* className;
    const char* text;
    DWORD style;
    short x, y, cx, cy;
};

const ItemSpec kItems[] = {
    {IDOK, FW_CLASS_BUTTON, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 100, 50, 14},
    {IDCANCEL, FW_CLASS_BUTTON, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 140, 120, 50, 14},
    {kCheck, FW_CLASS_BUTTON, "Remember", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 80, 10},
    {kEdit, FW_CLASS_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 25, 80, 12},
    {kList, FW_CLASS_LISTBOX, "", LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 10, 40, 80, 50},
    {kCombo, FW_CLASS_COMBOBOX, "", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 100, 10, 80, 60},
    {kSlider, FW_CLASS_TRACKBAR, "", TBS_HORZ | TBS_AUTOTICKS, 100, 40, 80, 15},
    {kLabel, FW_CLASS_STATIC, "Colour balance", SS_LEFT, 100, 60, 80, 10},
};

// The controls dialog, written as the system lays templates out.
LPCDLGTEMPLATE ControlsTemplate() {
    static DialogTemplateBuilder builder = [] {
        DialogTemplateBuilder made(200, 140, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        made.Caption("Controls");
        for (const ItemSpec& item : kItems) {
            made.Add(item.id, item.className, item.style, item.x, item.y, item.cx, item.cy, item.text);
        }
        return made;
    }();
    return builder.Get();
}

template <class T>
T* Item(CWnd& dialog, UINT id) {
    return dynamic_cast<T*>(dialog.GetDlgItem(static_cast<int>(id)));
}

TEST(Win32Dialog, ControlsComeFromTheTemplateWithClassIdTextAndStyle) {
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) {
        EXPECT_EQ(fw::ws::WindowClass(self.m_hWnd), "#32770");
        EXPECT_EQ(self.GetWindowText(), "Controls");
        for (const ItemSpec& item : kItems) {
            const HWND control = fw::ws::DialogItem(self.m_hWnd, static_cast<int>(item.id));
            ASSERT_NE(control, nullptr) << item.id;
            EXPECT_EQ(fw::ws::WindowClass(control), item.className) << item.id;
            EXPECT_EQ(fw::ws::ControlId(control), static_cast<int>(item.id));
            EXPECT_EQ(fw::ws::Parent(control), self.m_hWnd);
            const DWORD style = fw::ws::Style(control);
            EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE)) << item.id;
        }
        // Controls come in template order.
        const HWND first = fw::ws::FirstChild(self.m_hWnd);
        EXPECT_EQ(fw::ws::ControlId(first), IDOK);
        EXPECT_EQ(fw::ws::ControlId(fw::ws::NextSibling(first)), IDCANCEL);

        ASSERT_NE(Item<CButton>(self, IDOK), nullptr);
        EXPECT_EQ(Item<CButton>(self, IDOK)->GetWindowText(), "OK");
        ASSERT_NE(Item<CButton>(self, kCheck), nullptr);
        EXPECT_EQ(Item<CButton>(self, kCheck)->GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
        EXPECT_NE(Item<CEdit>(self, kEdit), nullptr);
        EXPECT_NE(Item<CListBox>(self, kList), nullptr);
        EXPECT_TRUE(fw::ws::Style(fw::ws::DialogItem(self.m_hWnd, kList)) & LBS_SORT);
        EXPECT_NE(Item<CComboBox>(self, kCombo), nullptr);
        EXPECT_EQ(fw::ws::Style(fw::ws::DialogItem(self.m_hWnd, kCombo)) & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
        EXPECT_NE(Item<CSliderCtrl>(self, kSlider), nullptr);
        ASSERT_NE(Item<CStatic>(self, kLabel), nullptr);
        EXPECT_EQ(self.GetDlgItemText(kLabel), "Colour balance");
        self.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the object lets go of the destroyed window
}

TEST(Win32Dialog, ListAndComboSortAndSearchIgnoringCase) {
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) {
        CListBox* list = Item<CListBox>(self, kList);
        ASSERT_NE(list, nullptr);
        list->AddString("beta");
        list->AddString("Alpha");
        list->AddString("gamma");
        ASSERT_EQ(list->GetCount(), 3);
        EXPECT_EQ(list->GetText(0), "Alpha");
        EXPECT_EQ(list->GetText(2), "gamma");
        EXPECT_EQ(list->FindStringExact(-1, "BETA"), 1);
        EXPECT_EQ(list->FindStringExact(-1, "bet"), LB_ERR);
        EXPECT_EQ(list->FindString(1, "al"), 0);  // starts after item 1 and wraps
        EXPECT_EQ(list->GetCurSel(), LB_ERR);
        list->SetCurSel(2);
        EXPECT_EQ(list->GetCurSel(), 2);
        EXPECT_EQ(list->DeleteString(0), 2);

        CComboBox* combo = Item<CComboBox>(self, kCombo);
        ASSERT_NE(combo, nullptr);
        combo->AddString("Zone");
        combo->AddString("curve");
        EXPECT_EQ(combo->GetLBText(0), "curve");
        EXPECT_EQ(combo->SelectString(-1, "ZO"), 1);
        EXPECT_EQ(combo->GetCurSel(), 1);
        EXPECT_EQ(combo->GetWindowText(), "Zone");
        combo->SetCurSel(-1);
        EXPECT_EQ(combo->GetWindowText(), "");
        self.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Win32Dialog, EditTrackbarAndCheckBoxKeepTheirState) {
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) {
        CEdit* edit = Item<CEdit>(self, kEdit);
        ASSERT_NE(edit, nullptr);
        edit->LimitText(5);
        EXPECT_EQ(edit->GetLimitText(), 5u);
        edit->SetWindowText("abcdefgh");  // the program's text is not cut
        EXPECT_EQ(edit->GetWindowText(), "abcdefgh");
        self.SetDlgItemInt(kEdit, static_cast<UINT>(-42));
        BOOL translated = FALSE;
        EXPECT_EQ(static_cast<int>(self.GetDlgItemInt(kEdit, &translated)), -42);
        EXPECT_TRUE(translated);

        CSliderCtrl* slider = Item<CSliderCtrl>(self, kSlider);
        ASSERT_NE(slider, nullptr);
        slider->SetRange(10, 90);
        EXPECT_EQ(slider->GetRangeMin(), 10);
        EXPECT_EQ(slider->GetRangeMax(), 90);
        slider->SetPos(150);
        EXPECT_EQ(slider->GetPos(), 90);
        slider->SetPos(3);
        EXPECT_EQ(slider->GetPos(), 10);

        self.CheckDlgButton(kCheck, BST_CHECKED);
        EXPECT_EQ(self.IsDlgButtonChecked(kCheck), static_cast<UINT>(BST_CHECKED));
        self.RouteClicks(kCheck, kCheck);
        self.SetTimer(1, 10);
    });
    dialog.onTimer = [](ProbeDialog& self, UINT_PTR id) {
        self.KillTimer(id);
        // A click on the shown dialog: the auto check box turns over and tells its parent.
        self.SendDlgItemMessage(kCheck, BM_CLICK);
        EXPECT_EQ(self.IsDlgButtonChecked(kCheck), static_cast<UINT>(BST_UNCHECKED));
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.commands, std::vector<UINT>{kCheck});
}

// An edit control with an object of its own: it sees its messages, and what it leaves to the
// default still reaches the system's edit control.
class CountingEdit : public CEdit {
public:
    int textsSet = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT) ++textsSet;
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

TEST(Win32Dialog, AttachedControlSeesItsMessagesAndLetsGoWithTheWindow) {
    CountingEdit edit;
    ProbeDialog dialog(ControlsTemplate(), [&edit](ProbeDialog& self) {
        ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &self));
        EXPECT_EQ(self.GetDlgItem(kEdit), &edit);
        self.SetDlgItemText(kEdit, "zone 3");
        EXPECT_EQ(edit.textsSet, 1);
        EXPECT_EQ(edit.GetWindowText(), "zone 3");
        edit.Detach();
        self.SetDlgItemText(kEdit, "zone 4");
        EXPECT_EQ(edit.textsSet, 1);
        EXPECT_EQ(self.GetDlgItemText(kEdit), "zone 4");
        ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &self));
        self.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

TEST(Win32Dialog, TimerEndsTheDialogWithItsResult) {
    int ticks = 0;
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) { self.SetTimer(7, 20); });
    dialog.onTimer = [&ticks](ProbeDialog& self, UINT_PTR id) {
        EXPECT_EQ(id, 7u);
        if (++ticks < 3) return;
        self.KillTimer(id);
        self.EndDialog(1234);
    };
    EXPECT_EQ(dialog.DoModal(), 1234);
    EXPECT_EQ(ticks, 3);
}

TEST(Win32Dialog, ClosingPressesCancel) {
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) { self.PostMessage(WM_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Win32Dialog, SystemMenuItemsReachOnSysCommand) {
    static constexpr UINT kAbout = 0x0010;
    UINT chosen = 0;
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) {
        CMenu* menu = self.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        const int before = menu->GetMenuItemCount();
        EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
        EXPECT_TRUE(menu->AppendMenu(MF_STRING, kAbout, "About..."));
        ASSERT_EQ(menu->GetMenuItemCount(), before + 2);
        EXPECT_EQ(menu->GetMenuItemID(before), 0u);
        EXPECT_EQ(menu->GetMenuItemID(before + 1), kAbout);
        EXPECT_EQ(menu->GetMenuItemID(before + 2), static_cast<UINT>(-1));
        std::string text;
        menu->GetMenuString(before + 1, text);
        EXPECT_EQ(text, "About...");
        self.PostMessage(WM_SYSCOMMAND, kAbout);
    });
    dialog.onSysCommand = [&chosen](ProbeDialog& self, UINT id) {
        chosen = id;
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(chosen, kAbout);
}

TEST(Win32Dialog, MouseCaptureIsTakenAndGivenBack) {
    ProbeDialog dialog(ControlsTemplate(), [](ProbeDialog& self) { self.SetTimer(1, 10); });
    dialog.onTimer = [](ProbeDialog& self, UINT_PTR id) {
        self.KillTimer(id);
        self.SetCapture();
        EXPECT_EQ(CWnd::GetCapture(), &self);
        EXPECT_TRUE(CWnd::ReleaseCapture());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.captureChanges, std::vector<HWND>{nullptr});
}

TEST(Win32Dialog, MissingTemplateIsRefused) {
    CDialog dialog(9199);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Win32Dialog, MessageBoxHookReceivesTheBoxes) {
    std::vector<fw::MessageBoxRequest> boxes;
    const fw::MessageBoxHook previous = fw::SetMessageBoxHook([&boxes](const fw::MessageBoxRequest& request) {
        boxes.push_back(request);
        return boxes.size() == 1 ? IDNO : IDOK;
    });
    HWND dialogWindow = nullptr;
    ProbeDialog dialog(ControlsTemplate(), [&dialogWindow](ProbeDialog& self) {
        dialogWindow = self.m_hWnd;
        EXPECT_EQ(self.MessageBox("Keep the setting?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
        EXPECT_EQ(fw::AppMessageBox("Saved.", MB_OK), IDOK);
        self.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    fw::SetMessageBoxHook(previous);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].owner, dialogWindow);
    EXPECT_EQ(boxes[0].text, "Keep the setting?");
    EXPECT_EQ(boxes[0].caption, "Question");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(boxes[0].applicationBox);
    EXPECT_TRUE(boxes[1].applicationBox);
    EXPECT_EQ(boxes[1].owner, nullptr);
}

TEST(Win32Dialog, ADialogResourceOfTheProgramRunsByIdAndByItsLoadedTemplate) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_FW_TIMERS), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_NE(loaded, nullptr);
    const auto check = [](ProbeDialog& self) {
        EXPECT_EQ(self.GetDlgItemText(IDC_FW_TRACKER), "track");
        EXPECT_EQ(fw::ws::WindowClass(fw::ws::DialogItem(self.m_hWnd, IDC_FW_OTHER)), FW_CLASS_STATIC);
        self.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    };
    ProbeDialog byId(static_cast<UINT>(IDD_FW_TIMERS), check);
    EXPECT_EQ(byId.DoModal(), IDCANCEL);
    ProbeDialog byHandle(static_cast<UINT>(IDD_FW_TIMERS), check);
    ASSERT_TRUE(byHandle.InitModalIndirect(loaded));
    EXPECT_EQ(byHandle.DoModal(), IDCANCEL);
    ProbeDialog missing(static_cast<UINT>(IDD_FW_MISSING), check);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Win32Dialog, BitmapResourcesHaveTheirOwnOrTheAskedSize) {
    const HMODULE program = GetModuleHandleA(nullptr);
    auto size = [](HBITMAP bitmap) {
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        return std::pair<LONG, LONG>(info.bmWidth, info.bmHeight);
    };
    const HBITMAP own = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 0, 0);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(size(own), (std::pair<LONG, LONG>(6, 4)));
    const HBITMAP stretched = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 12, 20);
    ASSERT_NE(stretched, nullptr);
    EXPECT_EQ(size(stretched), (std::pair<LONG, LONG>(12, 20)));
    EXPECT_EQ(fw::ws::LoadBitmapSized(program, IDB_FW_MISSING, 0, 0), nullptr);
    EXPECT_TRUE(fw::ws::DeleteGdiObject(own));
    EXPECT_TRUE(fw::ws::DeleteGdiObject(stretched));
    // Icons are the caller's too, and go back through the same call.
    const HICON systemIcon = fw::ws::LoadIconResource(nullptr, kSystemExclamationIcon);
    ASSERT_NE(systemIcon, nullptr);
    EXPECT_TRUE(fw::ws::DeleteGdiObject(systemIcon));
    const HICON ownIcon = fw::ws::LoadIconResource(program, IDI_FW_ICON);
    ASSERT_NE(ownIcon, nullptr);
    EXPECT_TRUE(fw::ws::DeleteGdiObject(ownIcon));
}

}  // namespace
