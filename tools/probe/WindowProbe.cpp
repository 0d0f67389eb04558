// Tells a script driving the wizard on a virtual display where things are on the screen, so
// that it can wait for a window and click a control without guessing coordinates.
//
//   TavrelWindowProbe wait TITLE SECONDS    waits until a visible window whose title contains
//                                           TITLE is the topmost one and enabled; prints its
//                                           rectangle "left top right bottom"
//   TavrelWindowProbe gone TITLE SECONDS    waits until no visible window has such a title
//   TavrelWindowProbe control TITLE ID      prints the screen centre "x y" and the top-left
//                                           corner "left top" of the visible control ID inside
//                                           that window (pages included)
//   TavrelWindowProbe text TITLE ID         prints the control's text
//   TavrelWindowProbe top                   prints the title of the topmost visible window
//
// TITLE "" matches any title; "!TEXT" matches a title that does not contain TEXT. Exit status 0 when found, 1 when not (after the wait), 2 on misuse.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string WindowTitle(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool TitleMatches(HWND window, const std::string& title)
{
    if (!title.empty() && title[0] == '!') return WindowTitle(window).find(title.substr(1)) == std::string::npos;
    return WindowTitle(window).find(title) != std::string::npos;
}

struct TopSearch {
    std::string title;
    HWND found = nullptr;
};

// The first visible top-level window in Z order (topmost first) that is not the desktop shell's.
BOOL CALLBACK FindTopmost(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TopSearch*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    const std::string name = className;
    if (name == "Shell_TrayWnd" || name == "Progman" || name == "WorkerW") return TRUE;
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (rect.right - rect.left <= 1 || rect.bottom - rect.top <= 1) return TRUE;
    search->found = window;
    return FALSE;
}

HWND Topmost()
{
    TopSearch search;
    EnumWindows(FindTopmost, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindTitled(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TopSearch*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    if (!TitleMatches(window, search->title)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND Titled(const std::string& title)
{
    TopSearch search;
    search.title = title;
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ControlSearch {
    int id = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindControl(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(window) != search->id || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND Control(HWND top, int id)
{
    ControlSearch search;
    search.id = id;
    EnumChildWindows(top, FindControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Wait(const std::string& title, double seconds, bool untilGone)
{
    const DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        HWND top = Topmost();
        const bool present = untilGone ? Titled(title) != nullptr
                                       : top && IsWindowEnabled(top) && TitleMatches(top, title);
        if (present != untilGone) {
            if (!untilGone) {
                RECT rect = {};
                GetWindowRect(top, &rect);
                std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
            }
            return 0;
        }
        if (static_cast<LONG>(GetTickCount() - limit) >= 0) break;
        Sleep(100);
    }
    HWND top = Topmost();
    std::fprintf(stderr, "TavrelWindowProbe: %s \"%s\" after %.0f s (topmost: \"%s\")\n",
                 untilGone ? "still a window titled" : "no window titled", title.c_str(), seconds,
                 top ? WindowTitle(top).c_str() : "");
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "top" && argc == 2) {
        HWND top = Topmost();
        if (!top) return 1;
        std::printf("%s\n", WindowTitle(top).c_str());
        return 0;
    }
    if ((command == "wait" || command == "gone") && argc == 4) {
        return Wait(argv[2], std::atof(argv[3]), command == "gone");
    }
    if ((command == "control" || command == "text") && argc == 4) {
        HWND top = Titled(argv[2]);
        HWND control = top ? Control(top, std::atoi(argv[3])) : nullptr;
        if (!control) {
            std::fprintf(stderr, "TavrelWindowProbe: no control %s in \"%s\"\n", argv[3], argv[2]);
            return 1;
        }
        if (command == "text") {
            std::printf("%s\n", WindowTitle(control).c_str());
            return 0;
        }
        RECT rect = {};
        GetWindowRect(control, &rect);
        std::printf("%ld %ld %ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, rect.left, rect.top);
        return 0;
    }
    std::fprintf(stderr, "usage: TavrelWindowProbe wait|gone TITLE SECONDS | control|text TITLE ID | top\n");
    return 2;
}
