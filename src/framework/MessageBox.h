// The framework's message boxes. A hook takes them over (tests answer them). Without a hook
// the windowing backend shows them (the headless backend when it has a driver, which then
// answers them); otherwise Windows shows the system box and Linux prints the box to
// standard error and answers with its first button.
#pragma once

#include <functional>
#include <string>

#include "platform/win32api.h"

#ifndef _WIN32
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_ABORTRETRYIGNORE 0x00000002u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_RETRYCANCEL 0x00000005u
#define MB_ICONHAND 0x00000010u
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_TASKMODAL 0x00002000u
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#endif

namespace fw {

struct MessageBoxRequest {
    HWND owner;            // null when the box has no owner window
    std::string text;
    std::string caption;   // the application's default title for the framework box
    UINT style;
    bool applicationBox;   // true for the framework's own box (no owner, default caption)
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Installs a hook (an empty one restores the default); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// A system message box: owner may be null.
int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);
// The framework's message box: no owner, the application's default title as caption.
int AppMessageBox(const std::string& text, UINT style);
// The caption the framework box uses.
const char* AppTitle();
// The id of the first button of a box of that style (IDOK for MB_OK and MB_OKCANCEL, IDYES for
// MB_YESNO, ...): the answer of a box nobody can press.
int FirstButton(UINT style);

}  // namespace fw
