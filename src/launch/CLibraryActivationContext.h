// The library's own activation context (its manifest, resource 2: common controls 6), active
// on the calling thread for as long as this object lives, whatever the host's manifest says.
// Without the resource nothing is activated and the call goes on with the host's context.
#pragma once

#include "platform/win32actctx.h"

class CLibraryActivationContext {
public:
    CLibraryActivationContext();
    ~CLibraryActivationContext();
    CLibraryActivationContext(const CLibraryActivationContext&) = delete;
    CLibraryActivationContext& operator=(const CLibraryActivationContext&) = delete;

    bool IsActive() const { return m_active; }

private:
    HANDLE m_context = INVALID_HANDLE_VALUE;
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};
