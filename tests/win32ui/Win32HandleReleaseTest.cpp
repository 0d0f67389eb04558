// What the framework loads it releases on real windows: the pictures its dialogs still show
// when they go, never one the caller took back or made itself. And a window whose class
// procedure is the framework's own gets its defaults from the system, not from itself.
// (Wine answers GetGuiResources with 0, so the handles themselves are checked here.)
#include <gtest/gtest.h>

#include "framework/CStatic.h"
#include "framework/CWnd.h"
#include "framework/OwnedPictures.h"
#include "framework/WindowSystem.h"
#include "support/TestTemplateIds.h"
#include "win32ui/ProbeDialog.h"

namespace {

bool BitmapAlive(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

CStatic* Picture(CWnd& dialog, int id) { return static_cast<CStatic*>(dialog.GetDlgItem(id)); }

TEST(Win32HandleRelease, PicturesStillShownGoWithTheDialogAndTakenBackOnesStayWithTheCaller) {
    const HMODULE program = GetModuleHandleA(nullptr);
    const std::size_t ownedBefore = fw::OwnedPictures::Count();
    HBITMAP first = nullptr;
    HBITMAP shown = nullptr;
    HICON icon = nullptr;
    HBITMAP takenBack = nullptr;
    ProbeDialog dialog(static_cast<UINT>(IDD_FW_CONTROLS), [&](ProbeDialog& self) {
        first = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 0, 0);
        shown = fw::ws::LoadBitmapSized(program, IDB_FW_PICTURE, 12, 8);
        icon = fw::ws::LoadIconResource(program, IDI_FW_ICON);
        ASSERT_TRUE(first && shown && icon);
        Picture(self, IDC_FW_PICTURE)->SetBitmap(first);
        // The one replaced comes back to the caller, who now owns it.
        takenBack = Picture(self, IDC_FW_PICTURE)->SetBitmap(shown);
        Picture(self, IDC_FW_ICON)->SetIcon(icon);
        self.EndDialog(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(takenBack, first);

    EXPECT_FALSE(BitmapAlive(shown));
    EXPECT_FALSE(IconAlive(icon));
    EXPECT_TRUE(BitmapAlive(takenBack));  // the caller's: released only through its own call
    EXPECT_TRUE(fw::ws::DeleteGdiObject(takenBack));
    EXPECT_FALSE(BitmapAlive(takenBack));
    EXPECT_EQ(fw::OwnedPictures::Count(), ownedBefore);
}

TEST(Win32HandleRelease, APictureTheCallerMadeOutlivesTheDialog) {
    const HBITMAP made = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_NE(made, nullptr);
    ProbeDialog dialog(static_cast<UINT>(IDD_FW_CONTROLS), [made](ProbeDialog& self) {
        Picture(self, IDC_FW_PICTURE)->SetBitmap(made);
        self.EndDialog(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(BitmapAlive(made));
    DeleteObject(made);
}

// A plain window whose class procedure is the framework's own (as a window made after one of
// ours was subclassed could inherit it): what its object leaves to the default must reach the
// system's default handling once, not go round in circles.
class TextWindow : public CWnd {};

TEST(Win32HandleRelease, DefaultsOfAWindowWhoseClassIsOursReachTheSystem) {
    const HWND plain = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    TextWindow probe;
    ASSERT_TRUE(probe.Attach(plain));
    const auto ours = GetWindowLongPtrA(plain, GWLP_WNDPROC);
    probe.Detach();
    DestroyWindow(plain);

    WNDCLASSA type{};
    type.lpfnWndProc = reinterpret_cast<WNDPROC>(ours);
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "FwTestOwnProcedureClass";
    ASSERT_NE(RegisterClassA(&type), 0);
    const HWND window = CreateWindowExA(0, type.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        type.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    TextWindow object;
    ASSERT_TRUE(object.Attach(window));
    EXPECT_TRUE(SetWindowTextA(window, "zone 5"));
    EXPECT_EQ(object.GetWindowText(), "zone 5");
    object.Detach();
    DestroyWindow(window);
    UnregisterClassA(type.lpszClassName, type.hInstance);
}

}  // namespace
