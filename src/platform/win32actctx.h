// The activation-context calls (kernel32): on Windows the real ones; on Linux our declarations,
// implemented by platform/posix. Apart from win32api.h because only the entry point uses them.
#pragma once

#include "platform/win32api.h"

#ifndef _WIN32

#define ACTCTX_FLAG_RESOURCE_NAME_VALID 0x00000008
#define ACTCTX_FLAG_HMODULE_VALID 0x00000080
typedef struct tagACTCTXA {
    ULONG cbSize;
    DWORD dwFlags;
    LPCSTR lpSource;
    WORD wProcessorArchitecture;
    LANGID wLangId;
    LPCSTR lpAssemblyDirectory;
    LPCSTR lpResourceName;
    LPCSTR lpApplicationName;
    HMODULE hModule;
} ACTCTXA, *PACTCTXA;
typedef const ACTCTXA* PCACTCTXA;

extern "C" {
// Made from a module's manifest resource only (ACTCTX_FLAG_HMODULE_VALID; the name given, else
// 1): otherwise INVALID_HANDLE_VALUE with FindResourceA's error.
HANDLE CreateActCtxA(PCACTCTXA context);
// Contexts are activated per thread, last in first out: a cookie that is not the thread's
// newest activation is refused with ERROR_INVALID_PARAMETER (Windows raises an exception).
BOOL ActivateActCtx(HANDLE context, ULONG_PTR* cookie);
BOOL DeactivateActCtx(DWORD flags, ULONG_PTR cookie);
void ReleaseActCtx(HANDLE context);

// The simulated machine (tests): contexts active on the calling thread, and contexts made and
// not yet released.
DWORD SimMachineActiveActCtxs(void);
DWORD SimMachineActCtxObjects(void);
}  // extern "C"

#endif  // _WIN32
