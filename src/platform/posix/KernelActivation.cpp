// Activation contexts: made from a module's manifest resource and activated per thread, last
// in first out. Nothing is redirected here (there are no side-by-side assemblies); what is kept
// is what a caller can get wrong: a missing manifest, an unbalanced or out-of-order
// deactivation, a context never released.
#include <memory>
#include <vector>

#include "HandleObject.h"
#include "LastError.h"
#include "MachineState.h"
#include "platform/win32actctx.h"

namespace {

class ActivationContextObject : public HandleObject {
};

struct Activation {
    ULONG_PTR cookie;
    HANDLE context;
};

thread_local std::vector<Activation> t_active;
ULONG_PTR s_nextCookie = 1;

}  // namespace

extern "C" HANDLE CreateActCtxA(PCACTCTXA context)
{
    if (!context || context->cbSize < sizeof(ACTCTXA) || !(context->dwFlags & ACTCTX_FLAG_HMODULE_VALID))
        return LastError::Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    const LPCSTR name = context->dwFlags & ACTCTX_FLAG_RESOURCE_NAME_VALID ? context->lpResourceName
                                                                          : MAKEINTRESOURCEA(1);
    if (!FindResourceA(context->hModule, name, RT_MANIFEST)) return INVALID_HANDLE_VALUE;
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return state.Handles().Add(std::make_unique<ActivationContextObject>());
}

extern "C" BOOL ActivateActCtx(HANDLE context, ULONG_PTR* cookie)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!cookie) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!state.Handles().Get<ActivationContextObject>(context)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    *cookie = s_nextCookie++;
    t_active.push_back({*cookie, context});
    return TRUE;
}

extern "C" BOOL DeactivateActCtx(DWORD /*flags*/, ULONG_PTR cookie)
{
    if (t_active.empty() || t_active.back().cookie != cookie) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    t_active.pop_back();
    return TRUE;
}

extern "C" void ReleaseActCtx(HANDLE context)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (state.Handles().Get<ActivationContextObject>(context)) state.Handles().Close(context);
}

extern "C" DWORD SimMachineActiveActCtxs(void)
{
    return static_cast<DWORD>(t_active.size());
}

extern "C" DWORD SimMachineActCtxObjects(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return static_cast<DWORD>(state.Handles().Count<ActivationContextObject>([](const auto&) { return true; }));
}
