// advapi32 SIDs, access-control lists and absolute security descriptors, built in the
// caller's memory in the Windows binary layouts.
#include <cstring>

#include "LastError.h"
#include "MachineState.h"
#include "MemoryBlocks.h"
#include "SecurityLayout.h"
#include "platform/win32api.h"

namespace {

SECURITY_DESCRIPTOR* Writable(PSECURITY_DESCRIPTOR descriptor, DWORD& error)
{
    auto* sd = static_cast<SECURITY_DESCRIPTOR*>(descriptor);
    if (!sd) error = ERROR_INVALID_PARAMETER;
    else if (sd->Revision != SECURITY_DESCRIPTOR_REVISION) error = ERROR_UNKNOWN_REVISION;
    else if (sd->Control & SE_SELF_RELATIVE) error = ERROR_INVALID_SECURITY_DESCR;
    else return sd;
    return nullptr;
}

void SetBit(SECURITY_DESCRIPTOR* sd, WORD bit, BOOL on)
{
    sd->Control = static_cast<WORD>(on ? (sd->Control | bit) : (sd->Control & ~bit));
}

BOOL AddAce(PACL acl, DWORD revision, BYTE type, DWORD mask, PSID sid)
{
    if (!SecurityLayout::ValidAcl(acl)) return LastError::Fail(ERROR_INVALID_ACL, FALSE);
    if (!SecurityLayout::ValidSid(sid)) return LastError::Fail(ERROR_INVALID_SID, FALSE);
    if (revision < ACL_REVISION || revision > ACL_REVISION_DS) return LastError::Fail(ERROR_REVISION_MISMATCH, FALSE);
    DWORD sidLength = SecurityLayout::SidLength(sid);
    DWORD aceSize = sizeof(ACE_HEADER) + sizeof(ACCESS_MASK) + sidLength;
    DWORD used = SecurityLayout::UsedBytes(acl);
    if (used + aceSize > acl->AclSize) return LastError::Fail(ERROR_ALLOTTED_SPACE_EXCEEDED, FALSE);
    BYTE* at = reinterpret_cast<BYTE*>(acl) + used;
    ACE_HEADER header{type, 0, static_cast<WORD>(aceSize)};
    std::memcpy(at, &header, sizeof header);
    std::memcpy(at + sizeof header, &mask, sizeof mask);
    std::memcpy(at + sizeof header + sizeof mask, sid, sidLength);
    ++acl->AceCount;
    if (revision > acl->AclRevision) acl->AclRevision = static_cast<BYTE>(revision);
    return TRUE;
}

}  // namespace

extern "C" BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD sub0, DWORD sub1,
                                         DWORD sub2, DWORD sub3, DWORD sub4, DWORD sub5, DWORD sub6, DWORD sub7,
                                         PSID* sid)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!authority || !sid) return LastError::Fail(ERROR_NOACCESS, FALSE);
    if (count > 8) return LastError::Fail(ERROR_INVALID_SID, FALSE);
    const DWORD subs[8] = {sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7};
    size_t length = 8 + 4 * static_cast<size_t>(count);
    BYTE* block = static_cast<BYTE*>(MemoryBlocks::Instance().Allocate(length, true, MemoryBlocks::Kind::Sid));
    if (!block) return LastError::Fail(ERROR_NOT_ENOUGH_MEMORY, FALSE);
    block[0] = SID_REVISION;
    block[1] = count;
    std::memcpy(block + 2, authority->Value, 6);
    std::memcpy(block + 8, subs, 4 * static_cast<size_t>(count));
    *sid = block;
    return TRUE;
}

extern "C" PVOID FreeSid(PSID sid)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    // Null on success; the SID itself when it was not allocated here.
    if (!sid || !MemoryBlocks::Instance().Release(sid, MemoryBlocks::Kind::Sid)) return LastError::Fail(ERROR_INVALID_HANDLE, sid);
    return nullptr;
}

extern "C" DWORD GetLengthSid(PSID sid)
{
    return SecurityLayout::SidLength(sid);
}

extern "C" BOOL IsValidSid(PSID sid)
{
    return SecurityLayout::ValidSid(sid) ? TRUE : FALSE;
}

extern "C" BOOL EqualSid(PSID first, PSID second)
{
    return SecurityLayout::EqualSids(first, second) ? TRUE : FALSE;
}

extern "C" BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision)
{
    if (!descriptor) return LastError::Fail(ERROR_NOACCESS, FALSE);
    if (revision != SECURITY_DESCRIPTOR_REVISION) return LastError::Fail(ERROR_UNKNOWN_REVISION, FALSE);
    std::memset(descriptor, 0, sizeof(SECURITY_DESCRIPTOR));
    static_cast<SECURITY_DESCRIPTOR*>(descriptor)->Revision = SECURITY_DESCRIPTOR_REVISION;
    return TRUE;
}

extern "C" BOOL InitializeAcl(PACL acl, DWORD length, DWORD revision)
{
    if (!acl) return LastError::Fail(ERROR_NOACCESS, FALSE);
    if (length < sizeof(ACL)) return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    if (revision < ACL_REVISION || revision > ACL_REVISION_DS || length > 0xFFFF)
        return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    acl->AclRevision = static_cast<BYTE>(revision);
    acl->Sbz1 = 0;
    acl->AclSize = static_cast<WORD>(length & ~3u);  // entries are DWORD-aligned
    acl->AceCount = 0;
    acl->Sbz2 = 0;
    return TRUE;
}

extern "C" BOOL AddAccessAllowedAce(PACL acl, DWORD revision, DWORD mask, PSID sid)
{
    return AddAce(acl, revision, ACCESS_ALLOWED_ACE_TYPE, mask, sid);
}

extern "C" BOOL AddAccessDeniedAce(PACL acl, DWORD revision, DWORD mask, PSID sid)
{
    return AddAce(acl, revision, ACCESS_DENIED_ACE_TYPE, mask, sid);
}

extern "C" BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL present, PACL acl, BOOL defaulted)
{
    DWORD error = 0;
    SECURITY_DESCRIPTOR* sd = Writable(descriptor, error);
    if (!sd) return LastError::Fail(error, FALSE);
    if (!present) {
        SetBit(sd, SE_DACL_PRESENT, FALSE);
    } else {
        SetBit(sd, SE_DACL_PRESENT, TRUE);
        sd->Dacl = acl;
        SetBit(sd, SE_DACL_DEFAULTED, defaulted);
    }
    return TRUE;
}

extern "C" BOOL SetSecurityDescriptorGroup(PSECURITY_DESCRIPTOR descriptor, PSID group, BOOL defaulted)
{
    DWORD error = 0;
    SECURITY_DESCRIPTOR* sd = Writable(descriptor, error);
    if (!sd) return LastError::Fail(error, FALSE);
    sd->Group = group;
    SetBit(sd, SE_GROUP_DEFAULTED, defaulted);
    return TRUE;
}

extern "C" BOOL SetSecurityDescriptorOwner(PSECURITY_DESCRIPTOR descriptor, PSID owner, BOOL defaulted)
{
    DWORD error = 0;
    SECURITY_DESCRIPTOR* sd = Writable(descriptor, error);
    if (!sd) return LastError::Fail(error, FALSE);
    sd->Owner = owner;
    SetBit(sd, SE_OWNER_DEFAULTED, defaulted);
    return TRUE;
}

extern "C" BOOL IsValidSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor)
{
    if (!SecurityLayout::ValidDescriptor(static_cast<const SECURITY_DESCRIPTOR*>(descriptor)))
        return LastError::Fail(ERROR_INVALID_SECURITY_DESCR, FALSE);
    return TRUE;
}
