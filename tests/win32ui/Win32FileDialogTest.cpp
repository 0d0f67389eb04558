// CFileDialog on real windows is the system's common file dialog: a timer of the test plays
// the user, typing a name into the dialog and pressing its buttons.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CFileDialog.h"

#include <dlgs.h>  // after the system headers it needs

namespace {

constexpr const char* kTitle = "Choose a test file";
constexpr const char* kFilter = "Test files (*.tst)|*.tst|All files (*.*)|*.*||";
constexpr int kGiveUpTicks = 100;

// The user at the dialog: each step runs on a tick of the timer with the file dialog and the
// message box over it (null when none), and says whether it did its part.
using Step = std::function<bool(HWND dialog, HWND box)>;

struct User {
    std::vector<Step> steps;
    size_t next = 0;
    int ticks = 0;
    bool gaveUp = false;
};

User* g_user = nullptr;

struct Found {
    HWND dialog = nullptr;
    HWND box = nullptr;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (!IsWindowVisible(window) || std::string(name) != "#32770") return TRUE;
    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    if (std::string(text) == kTitle) found->dialog = window;
    else found->box = window;
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_user) return;
    Found found;
    EnumThreadWindows(GetCurrentThreadId(), &NoteWindow, reinterpret_cast<LPARAM>(&found));
    if (++g_user->ticks > kGiveUpTicks) {
        g_user->gaveUp = true;
        if (found.box) PostMessageA(found.box, WM_COMMAND, IDOK, 0);
        if (found.dialog) PostMessageA(found.dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (g_user->next < g_user->steps.size() && g_user->steps[g_user->next](found.dialog, found.box)) ++g_user->next;
}

// Types name into the dialog's file name field and presses OK.
Step Type(const std::string& name) {
    return [name](HWND dialog, HWND box) {
        if (!dialog || box) return false;
        HWND field = GetDlgItem(dialog, edt1);
        if (!field) field = GetDlgItem(dialog, cmb13);
        if (!field) return false;
        SetWindowTextA(field, name.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    };
}

Step Press(int button) {
    return [button](HWND dialog, HWND box) {
        if (!dialog || box) return false;
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
        return true;
    };
}

// Runs dialog with the user doing steps; the dialog's result.
INT_PTR RunAsUser(CFileDialog& dialog, User& user) {
    g_user = &user;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Tick);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    g_user = nullptr;
    EXPECT_FALSE(user.gaveUp) << "the dialog did not go as the steps expected";
    EXPECT_EQ(user.next, user.steps.size());
    return result;
}

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

TEST(Win32FileDialog, SaveDialogAddsTheDefaultExtensionAndShowsTitleAndFilter) {
    const std::string folder = TempFolder();
    std::string firstType;
    User user;
    user.steps.push_back([&firstType](HWND dialog, HWND) {
        if (!dialog) return false;  // found by its title: the title was given to the system
        char text[64] = {};
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        firstType = text;
        return true;
    });
    user.steps.push_back(Type(folder + "report"));
    CFileDialog dialog(FALSE, "tst", nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, kFilter);
    dialog.SetDialogTitle(kTitle);

    ASSERT_EQ(RunAsUser(dialog, user), IDOK);
    EXPECT_EQ(firstType, "Test files (*.tst)");
    EXPECT_EQ(dialog.GetPathName(), folder + "report.tst");
    EXPECT_EQ(dialog.GetFileName(), "report.tst");
}

TEST(Win32FileDialog, OpenDialogRefusesAMissingFileAndTakesAnExistingOne) {
    const std::string folder = TempFolder();
    const std::string existing = folder + "fw-file-dialog-test.tst";
    const HANDLE file = CreateFileA(existing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    bool refused = false;
    User user;
    user.steps.push_back(Type(folder + "fw-no-such-file.tst"));
    user.steps.push_back([&refused](HWND dialog, HWND box) {
        if (!box) return false;
        refused = dialog != nullptr;  // the box tells the user, the dialog stays open
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    user.steps.push_back(Type(existing));
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, kFilter);
    dialog.SetDialogTitle(kTitle);

    const INT_PTR result = RunAsUser(dialog, user);
    DeleteFileA(existing.c_str());
    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(refused);
    EXPECT_EQ(dialog.GetPathName(), existing);
}

TEST(Win32FileDialog, CancelGivesNoPath) {
    User user;
    user.steps.push_back(Press(IDCANCEL));
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, kFilter);
    dialog.SetDialogTitle(kTitle);
    EXPECT_EQ(RunAsUser(dialog, user), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
}

}  // namespace
