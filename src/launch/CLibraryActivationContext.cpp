#include "launch/CLibraryActivationContext.h"

#include "launch/LibraryModule.h"

namespace {
// ISOLATIONAWARE_MANIFEST_RESOURCE_ID: a library's manifest for its own activation context.
constexpr WORD kLibraryManifest = 2;
}  // namespace

CLibraryActivationContext::CLibraryActivationContext()
{
    const HMODULE module = LibraryModule();
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = length > 0 && length < MAX_PATH ? path : nullptr;
    request.lpResourceName = MAKEINTRESOURCEA(kLibraryManifest);
    request.hModule = module;
    m_context = CreateActCtxA(&request);
    if (m_context == INVALID_HANDLE_VALUE) return;
    m_active = ActivateActCtx(m_context, &m_cookie) != FALSE;
}

CLibraryActivationContext::~CLibraryActivationContext()
{
    if (m_active) DeactivateActCtx(0, m_cookie);
    if (m_context != INVALID_HANDLE_VALUE) ReleaseActCtx(m_context);
}
