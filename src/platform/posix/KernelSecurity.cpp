// Tokens of the simulated user and the access check against a security descriptor.
// Threads never impersonate here: only the process has a token.
#include <cstring>
#include <memory>

#include "LastError.h"
#include "MachineState.h"
#include "MemoryBlocks.h"
#include "SecurityLayout.h"
#include "TokenObject.h"
#include "Simulation.h"
#include "platform/win32api.h"

namespace {

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
const HANDLE kCurrentThread = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-2));
constexpr DWORD kGenericBits = 0xF0000000u;
constexpr DWORD kOwnerRights = READ_CONTROL | WRITE_DAC;

// The rights the token is given by the descriptor's discretionary list, in list order:
// a right is decided by the first entry that names it and applies to the token.
DWORD GrantedRights(const SECURITY_DESCRIPTOR& sd, const TokenObject& token, DWORD wanted,
                    const GENERIC_MAPPING& mapping)
{
    DWORD granted = sd.Owner && token.Holds(sd.Owner) ? kOwnerRights : 0;
    if (!(sd.Control & SE_DACL_PRESENT) || !sd.Dacl) return wanted | mapping.GenericAll | granted;  // no list: everything
    DWORD denied = 0;
    const ACL* acl = sd.Dacl;
    DWORD offset = sizeof(ACL);
    for (WORD i = 0; i < acl->AceCount; ++i) {
        const ACE_HEADER* header = SecurityLayout::EntryAt(acl, offset);
        offset += header->AceSize;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_DENIED_ACE_TYPE) continue;
        if (header->AceSize < sizeof(ACCESS_ALLOWED_ACE)) continue;
        const auto* ace = reinterpret_cast<const ACCESS_ALLOWED_ACE*>(header);
        const void* sid = &ace->SidStart;
        if (8 + SecurityLayout::SidLength(sid) > header->AceSize) continue;
        DWORD mask;
        std::memcpy(&mask, &ace->Mask, sizeof mask);
        // A deny-only group counts for denied entries and never for allowed ones.
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE && token.Holds(sid))
            granted |= mask & ~denied;
        else if (header->AceType == ACCESS_DENIED_ACE_TYPE && token.HoldsForDenial(sid))
            denied |= mask & ~granted;
    }
    return granted;
}

}  // namespace

extern "C" HANDLE GetCurrentProcess(void)
{
    return kCurrentProcess;
}

extern "C" HANDLE GetCurrentThread(void)
{
    return kCurrentThread;
}

extern "C" BOOL OpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!token) return LastError::Fail(ERROR_NOACCESS, FALSE);
    if (process != kCurrentProcess) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    auto object = std::make_unique<TokenObject>(TokenObject::ForUser(state.Machine().administrator, state.Machine().elevated, access));
    *token = state.Handles().Add(std::move(object));
    return TRUE;
}

extern "C" BOOL OpenThreadToken(HANDLE thread, DWORD /*access*/, BOOL /*openAsSelf*/, PHANDLE token)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!token) return LastError::Fail(ERROR_NOACCESS, FALSE);
    *token = nullptr;
    if (thread != kCurrentThread) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    return LastError::Fail(ERROR_NO_TOKEN, FALSE);
}

extern "C" BOOL DuplicateToken(HANDLE token, SECURITY_IMPERSONATION_LEVEL level, PHANDLE duplicate)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!duplicate) return LastError::Fail(ERROR_NOACCESS, FALSE);
    const TokenObject* source = state.Handles().Get<TokenObject>(token);
    if (!source) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!(source->access & TOKEN_DUPLICATE)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (level < SecurityAnonymous || level > SecurityDelegation) return LastError::Fail(ERROR_BAD_IMPERSONATION_LEVEL, FALSE);
    // An impersonation token cannot be raised above its own level.
    if (source->impersonation && level > source->level) return LastError::Fail(ERROR_BAD_IMPERSONATION_LEVEL, FALSE);
    auto copy = std::make_unique<TokenObject>(*source);
    copy->impersonation = true;
    copy->level = level;
    copy->access = TOKEN_IMPERSONATE | TOKEN_QUERY;
    *duplicate = state.Handles().Add(std::move(copy));
    return TRUE;
}

extern "C" BOOL AccessCheck(PSECURITY_DESCRIPTOR descriptor, HANDLE token, DWORD desiredAccess,
                            PGENERIC_MAPPING mapping, PPRIVILEGE_SET privileges, LPDWORD privilegesLength,
                            LPDWORD grantedAccess, LPBOOL accessStatus)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!mapping || !privilegesLength || !grantedAccess || !accessStatus) return LastError::Fail(ERROR_NOACCESS, FALSE);
    const TokenObject* client = state.Handles().Get<TokenObject>(token);
    if (!client) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    if (!client->impersonation) return LastError::Fail(ERROR_NO_IMPERSONATION_TOKEN, FALSE);
    if (client->level < SecurityIdentification) return LastError::Fail(ERROR_BAD_IMPERSONATION_LEVEL, FALSE);
    if (!(client->access & TOKEN_QUERY)) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    if (desiredAccess & kGenericBits) return LastError::Fail(ERROR_GENERIC_NOT_MAPPED, FALSE);
    if (*privilegesLength < sizeof(PRIVILEGE_SET)) {
        *privilegesLength = sizeof(PRIVILEGE_SET);
        return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    }
    if (!privileges) return LastError::Fail(ERROR_NOACCESS, FALSE);
    const auto* sd = static_cast<const SECURITY_DESCRIPTOR*>(descriptor);
    if (!SecurityLayout::ValidDescriptor(sd) || !sd->Owner || !sd->Group)
        return LastError::Fail(ERROR_INVALID_SECURITY_DESCR, FALSE);

    privileges->PrivilegeCount = 0;
    privileges->Control = 0;
    DWORD wanted = desiredAccess & ~static_cast<DWORD>(MAXIMUM_ALLOWED);
    DWORD granted = GrantedRights(*sd, *client, wanted, *mapping);
    if (desiredAccess & MAXIMUM_ALLOWED) {
        if (granted == 0 || (wanted & ~granted) != 0) {
            *grantedAccess = 0;
            *accessStatus = FALSE;
            LastError::Set(ERROR_ACCESS_DENIED);
            return TRUE;
        }
        *grantedAccess = granted;
    } else {
        if (wanted == 0 || (wanted & ~granted) != 0) {
            *grantedAccess = 0;
            *accessStatus = FALSE;
            LastError::Set(ERROR_ACCESS_DENIED);
            return TRUE;
        }
        *grantedAccess = wanted;
    }
    *accessStatus = TRUE;
    return TRUE;
}

extern "C" DWORD SimMachineSecurityObjects(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return MemoryBlocks::Instance().Count() + TokenObject::Live();
}
