// The HTML help function, found on first use: the engine library named in the registry by its
// full path (an expandable value expanded), else "hhctrl.ocx" from System32, and its export with
// ordinal 14; never through the current folder or PATH. Once it cannot be found it is never looked for
// again. The shared entry keeps the library loaded for the life of this library.
#pragma once

#include "platform/win32api.h"

class CHtmlHelpEntry {
public:
    using HelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);

    static constexpr UINT displayTopic = 0;  // show the file
    static constexpr UINT helpContext = 15;  // show the topic with a context id

    static CHtmlHelpEntry& Shared();

    CHtmlHelpEntry() = default;
    ~CHtmlHelpEntry();
    CHtmlHelpEntry(const CHtmlHelpEntry&) = delete;
    CHtmlHelpEntry& operator=(const CHtmlHelpEntry&) = delete;

    // The function's result; null when there is no function.
    HWND Call(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);
    bool HasFailed() const { return m_failed; }

private:
    HelpFunction Resolve();
    static HMODULE LoadRegisteredEngine();

    HMODULE m_module = nullptr;
    HelpFunction m_function = nullptr;
    bool m_failed = false;
};
