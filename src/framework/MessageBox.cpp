#include "framework/MessageBox.h"

#include <cstdio>

#include "framework/WindowSystem.h"
#include <utility>

#ifndef _WIN32
#include <dlfcn.h>
#endif

namespace fw {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

// The base name of the module that holds this code (the library for the product, the test
// program in tests), without folder and extension.
std::string ModuleBaseName() {
    std::string path;
#ifdef _WIN32
    HMODULE module = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&ModuleBaseName), &module)) {
        char buffer[MAX_PATH] = {};
        if (GetModuleFileNameA(module, buffer, MAX_PATH) > 0) path = buffer;
    }
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModuleBaseName), &info) && info.dli_fname) path = info.dli_fname;
#endif
    const auto slash = path.find_last_of("\\/");
    if (slash != std::string::npos) path.erase(0, slash + 1);
    const auto dot = path.rfind('.');
    if (dot != std::string::npos && dot > 0) path.erase(dot);
    return path;
}

int DefaultBox(const MessageBoxRequest& request) {
    // The windowing backend shows it when it has a screen (a headless driver, real windows).
    int answer = 0;
    if (ws::ShowBox(request, &answer)) return answer;
#ifdef _WIN32
    return MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.style);
#else
    // No screen: show the box on standard error and take its first button.
    answer = FirstButton(request.style);
    std::fprintf(stderr, "[message box] %s\n%s\n[style 0x%X, answered %d]\n", request.caption.c_str(),
                 request.text.c_str(), request.style, answer);
    return answer;
#endif
}

int Run(const MessageBoxRequest& request) {
    // A copy, so that a hook that replaces itself while running stays alive until it returns.
    MessageBoxHook hook = Hook();
    return hook ? hook(request) : DefaultBox(request);
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    return Run(MessageBoxRequest{owner, text, caption, style, false});
}

int AppMessageBox(const std::string& text, UINT style) {
    return Run(MessageBoxRequest{nullptr, text, AppTitle(), style, true});
}

const char* AppTitle() {
    static const std::string title = ModuleBaseName();
    return title.c_str();
}

int FirstButton(UINT style) {
    switch (style & 0x0Fu) {
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_YESNOCANCEL:
        case MB_YESNO: return IDYES;
        case MB_RETRYCANCEL: return IDRETRY;
        case 6: return IDCANCEL;  // cancel, try again, continue
        default: return IDOK;     // OK, OK and Cancel
    }
}

}  // namespace fw
