// What the help engines were asked, in order: WinHelpA here, the HTML help function by the
// help-engine stand-in library. Tests read it through Simulation.h.
#pragma once

#include <string>
#include <vector>

#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class HelpLog {
public:
    struct Request {
        DWORD engine = 0;
        HWND owner = nullptr;
        std::string file;
        UINT command = 0;
        ULONG_PTR data = 0;
    };

    static HelpLog& Instance();

    void Add(const Request& request) { m_requests.push_back(request); }
    const std::vector<Request>& Requests() const { return m_requests; }
    void Clear() { m_requests.clear(); }

private:
    std::vector<Request> m_requests;
};

#pragma GCC visibility pop
