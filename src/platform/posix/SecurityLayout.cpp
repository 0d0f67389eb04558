#include "SecurityLayout.h"

#include <cstring>

namespace {
constexpr DWORD kAclHeader = sizeof(ACL);
constexpr DWORD kAceHeader = sizeof(ACE_HEADER);
}  // namespace

bool SecurityLayout::ValidSid(const void* sid)
{
    if (!sid) return false;
    const SID* s = static_cast<const SID*>(sid);
    return s->Revision == SID_REVISION && s->SubAuthorityCount <= SID_MAX_SUB_AUTHORITIES;
}

DWORD SecurityLayout::SidLength(const void* sid)
{
    if (!sid) return 0;
    return 8 + 4 * static_cast<DWORD>(static_cast<const SID*>(sid)->SubAuthorityCount);
}

bool SecurityLayout::EqualSids(const void* a, const void* b)
{
    if (!ValidSid(a) || !ValidSid(b)) return false;
    DWORD length = SidLength(a);
    return length == SidLength(b) && std::memcmp(a, b, length) == 0;
}

std::vector<BYTE> SecurityLayout::MakeSid(const BYTE authority[6], std::initializer_list<DWORD> subAuthorities)
{
    std::vector<BYTE> sid(8 + 4 * subAuthorities.size());
    sid[0] = SID_REVISION;
    sid[1] = static_cast<BYTE>(subAuthorities.size());
    std::memcpy(&sid[2], authority, 6);
    size_t offset = 8;
    for (DWORD value : subAuthorities) {
        std::memcpy(&sid[offset], &value, 4);
        offset += 4;
    }
    return sid;
}

bool SecurityLayout::ValidAcl(const ACL* acl)
{
    if (!acl) return false;
    if (acl->AclRevision < ACL_REVISION || acl->AclRevision > ACL_REVISION_DS) return false;
    if (acl->AclSize < kAclHeader) return false;
    DWORD offset = kAclHeader;
    const BYTE* base = reinterpret_cast<const BYTE*>(acl);
    for (WORD i = 0; i < acl->AceCount; ++i) {
        if (offset + kAceHeader > acl->AclSize) return false;
        ACE_HEADER header;
        std::memcpy(&header, base + offset, sizeof header);
        if (header.AceSize < kAceHeader || offset + header.AceSize > acl->AclSize) return false;
        offset += header.AceSize;
    }
    return true;
}

DWORD SecurityLayout::UsedBytes(const ACL* acl)
{
    DWORD offset = kAclHeader;
    for (WORD i = 0; i < acl->AceCount; ++i) offset += EntryAt(acl, offset)->AceSize;
    return offset;
}

const ACE_HEADER* SecurityLayout::EntryAt(const ACL* acl, DWORD offset)
{
    if (offset + kAceHeader > acl->AclSize) return nullptr;
    return reinterpret_cast<const ACE_HEADER*>(reinterpret_cast<const BYTE*>(acl) + offset);
}

bool SecurityLayout::ValidDescriptor(const SECURITY_DESCRIPTOR* descriptor)
{
    if (!descriptor || descriptor->Revision != SECURITY_DESCRIPTOR_REVISION) return false;
    if (descriptor->Control & SE_SELF_RELATIVE) return false;  // only absolute descriptors are built here
    if (descriptor->Owner && !ValidSid(descriptor->Owner)) return false;
    if (descriptor->Group && !ValidSid(descriptor->Group)) return false;
    if ((descriptor->Control & SE_DACL_PRESENT) && descriptor->Dacl && !ValidAcl(descriptor->Dacl)) return false;
    return true;
}
