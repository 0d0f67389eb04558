// Reading SIDs, access-control lists and absolute security descriptors in their Windows
// binary layouts, with the validity rules advapi32 applies to them.
#pragma once

#include <vector>

#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class SecurityLayout {
public:
    static bool ValidSid(const void* sid);
    static DWORD SidLength(const void* sid);  // 8 + 4 per sub-authority
    static bool EqualSids(const void* a, const void* b);
    static std::vector<BYTE> MakeSid(const BYTE authority[6], std::initializer_list<DWORD> subAuthorities);

    // Revision 2 to 4, a size that holds the header, and entries that fit inside it.
    static bool ValidAcl(const ACL* acl);
    // Offset of the first free byte after the entries (ValidAcl assumed).
    static DWORD UsedBytes(const ACL* acl);
    // The entry at byte offset; null past the end.
    static const ACE_HEADER* EntryAt(const ACL* acl, DWORD offset);

    // Revision 1, absolute form, and valid owner, group and list where present.
    static bool ValidDescriptor(const SECURITY_DESCRIPTOR* descriptor);
};

#pragma GCC visibility pop
