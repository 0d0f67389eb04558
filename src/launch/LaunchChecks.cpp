#include "launch/LaunchChecks.h"

namespace {

constexpr DWORD kFamilyNt = 3;
constexpr int kAdministratorsAlias = 544;  // relative id of the built-in Administrators alias
constexpr int kNotNtFamily = -1;
constexpr DWORD kSidAccess = 3;       // read and write in the mapping below
constexpr DWORD kDesiredAccess = 1;   // read
constexpr DWORD kAclOverhead = 16;    // list header and entry header ahead of the SID
static_assert(sizeof(PRIVILEGE_SET) == 20, "one privilege: the 20-byte set the check is given");

bool QueryVersion(VersionQuery query, OSVERSIONINFOA& info)
{
    info = OSVERSIONINFOA{};
    info.dwOSVersionInfoSize = sizeof info;
    return query(&info) != FALSE;
}

DWORD ClassifyNt(const OSVERSIONINFOA& info, DWORD build)
{
    switch (build) {
    case 2195:
        return 0x03060000;
    case 2600:
        return 0x03070000;
    case 1381:
        if (info.dwMajorVersion == 3) return 0x03040000;
        if (info.dwMajorVersion == 4) {
            // Service pack 1 to 6 are told apart by the digit in "Service Pack n".
            char step = info.szCSDVersion[13];
            if (step >= '1' && step <= '6') return 0x03050008 + static_cast<DWORD>(step - '1');
            return 0x03050000;
        }
        return 0x03000000;
    default:
        return 0x03000000;
    }
}

DWORD ClassifyWindows95(DWORD build)
{
    switch (build) {
    case 950:
        return 0x02020001;
    case 1111:
        return 0x02020003;
    case 1212:
        return 0x02020004;
    case 1998:
        return 0x02030005;
    case 2222:
        return 0x02030006;
    case 3000:
        return 0x02030007;
    default:
        return 0x02000000;
    }
}

// Everything the access test obtains, released in this order whatever way the test ends:
// the list, the descriptor, the SID, the duplicated token, the token first opened.
struct AccessTestResources {
    HANDLE token = nullptr;
    HANDLE duplicate = nullptr;
    PSID administrators = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL acl = nullptr;

    AccessTestResources() = default;
    AccessTestResources(const AccessTestResources&) = delete;
    AccessTestResources& operator=(const AccessTestResources&) = delete;
    ~AccessTestResources()
    {
        if (acl) LocalFree(acl);
        if (descriptor) LocalFree(descriptor);
        if (administrators) FreeSid(administrators);
        if (duplicate) CloseHandle(duplicate);
        if (token) CloseHandle(token);
    }
};

bool OpenCallerToken(HANDLE& token)
{
    const DWORD access = TOKEN_DUPLICATE | TOKEN_QUERY;
    if (OpenThreadToken(GetCurrentThread(), access, TRUE, &token)) return true;
    token = nullptr;
    if (GetLastError() != ERROR_NO_TOKEN) return false;
    if (OpenProcessToken(GetCurrentProcess(), access, &token)) return true;
    token = nullptr;
    return false;
}

}  // namespace

DWORD ClassifyOsVersion(const OSVERSIONINFOA& info)
{
    DWORD build = info.dwBuildNumber & 0xFFFF;
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        return 0x01010000;
    case VER_PLATFORM_WIN32_WINDOWS:
        return ClassifyWindows95(build);
    case VER_PLATFORM_WIN32_NT:
        return ClassifyNt(info, build);
    default:
        return 0;
    }
}

DWORD GetOsClassCode(VersionQuery query)
{
    OSVERSIONINFOA info;
    if (!query || !QueryVersion(query, info)) return 0;
    return ClassifyOsVersion(info);
}

DWORD GetOsClassCode()
{
    return GetOsClassCode(&GetVersionExA);
}

bool IsAdministratorAccessGranted()
{
    AccessTestResources r;
    if (!OpenCallerToken(r.token)) return false;
    if (!DuplicateToken(r.token, SecurityImpersonation, &r.duplicate)) {
        r.duplicate = nullptr;
        return false;
    }

    SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, &r.administrators)) {
        r.administrators = nullptr;
        return false;
    }

    r.descriptor = LocalAlloc(LPTR, SECURITY_DESCRIPTOR_MIN_LENGTH);
    if (!r.descriptor || !InitializeSecurityDescriptor(r.descriptor, SECURITY_DESCRIPTOR_REVISION)) return false;

    DWORD aclSize = GetLengthSid(r.administrators) + kAclOverhead;
    r.acl = static_cast<PACL>(LocalAlloc(LPTR, aclSize));
    if (!r.acl || !InitializeAcl(r.acl, aclSize, ACL_REVISION)) return false;
    if (!AddAccessAllowedAce(r.acl, ACL_REVISION, kSidAccess, r.administrators)) return false;

    if (!SetSecurityDescriptorDacl(r.descriptor, TRUE, r.acl, FALSE)) return false;
    if (!SetSecurityDescriptorGroup(r.descriptor, r.administrators, FALSE)) return false;
    if (!SetSecurityDescriptorOwner(r.descriptor, r.administrators, FALSE)) return false;
    if (!IsValidSecurityDescriptor(r.descriptor)) return false;

    GENERIC_MAPPING mapping = {1, 2, 0, 3};
    PRIVILEGE_SET privileges = {};
    DWORD privilegesLength = sizeof privileges;
    DWORD granted = 0;
    BOOL status = FALSE;
    if (!AccessCheck(r.descriptor, r.duplicate, kDesiredAccess, &mapping, &privileges, &privilegesLength, &granted,
                     &status))
        return false;
    return status != FALSE;
}

int CheckAdministrator(VersionQuery query)
{
    if ((GetOsClassCode(query) >> 24) != kFamilyNt) return kNotNtFamily;
    // 544 when granted, 545 when not: the alias id with the inverted result in its low bit.
    return (IsAdministratorAccessGranted() ? 0 : 1) | kAdministratorsAlias;
}

int CheckAdministrator()
{
    return CheckAdministrator(&GetVersionExA);
}

bool IsRefusedAsNonAdministrator()
{
    return (GetOsClassCode() >> 24) == kFamilyNt && CheckAdministrator() != kAdministratorsAlias;
}

DWORD QueryPlatformId()
{
    OSVERSIONINFOA info;
    return QueryVersion(&GetVersionExA, info) ? info.dwPlatformId : 0;
}
