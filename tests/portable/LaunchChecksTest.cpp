// Launch checks on the running system (natively on the default simulated machine, under Wine
// on the real API), and the token, SID, ACL and registry calls they rely on.
#include <gtest/gtest.h>

#include <vector>

#include "launch/LaunchChecks.h"
#include "platform/win32api.h"

namespace {

struct Sid {
    PSID sid = nullptr;
    Sid(BYTE authority5, std::vector<DWORD> subs)
    {
        SID_IDENTIFIER_AUTHORITY authority = {{0, 0, 0, 0, 0, authority5}};
        BYTE count = static_cast<BYTE>(subs.size());
        subs.resize(8, 0);
        AllocateAndInitializeSid(&authority, count,
                                 subs[0], subs[1], subs[2], subs[3], subs[4], subs[5], subs[6], subs[7], &sid);
    }
    ~Sid() { if (sid) FreeSid(sid); }
};

// An impersonation token of the calling process, and a descriptor owned by the
// Administrators alias whose list allows access mask 3 to one SID.
class AccessCheckFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &process));
        ASSERT_TRUE(DuplicateToken(process, SecurityImpersonation, &impersonation));
        ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
        ASSERT_TRUE(SetSecurityDescriptorOwner(&descriptor, admins.sid, FALSE));
        ASSERT_TRUE(SetSecurityDescriptorGroup(&descriptor, admins.sid, FALSE));
    }
    void TearDown() override
    {
        if (impersonation) CloseHandle(impersonation);
        if (process) CloseHandle(process);
    }
    void Allow(PSID sid)
    {
        DWORD size = GetLengthSid(sid) + 16;
        acl.assign(size, 0);
        ASSERT_TRUE(InitializeAcl(reinterpret_cast<PACL>(acl.data()), size, ACL_REVISION));
        ASSERT_TRUE(AddAccessAllowedAce(reinterpret_cast<PACL>(acl.data()), ACL_REVISION, 3, sid));
        ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE));
        ASSERT_TRUE(IsValidSecurityDescriptor(&descriptor));
    }
    BOOL Check(HANDLE token, BOOL& status, DWORD& privilegeLength)
    {
        GENERIC_MAPPING mapping = {1, 2, 0, 3};
        PRIVILEGE_SET privileges = {};
        DWORD granted = 0xFFFF;
        status = 2;
        return AccessCheck(&descriptor, token, 1, &mapping, &privileges, &privilegeLength, &granted, &status);
    }

    HANDLE process = nullptr;
    HANDLE impersonation = nullptr;
    Sid admins{5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};
    SECURITY_DESCRIPTOR descriptor = {};
    std::vector<BYTE> acl;
};

TEST(LaunchChecksTest, ThisSystemIsOfTheNtFamily)
{
    EXPECT_EQ(GetOsClassCode() >> 24, 3u);
    EXPECT_EQ(QueryPlatformId(), static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
}

TEST(LaunchChecksTest, TheUserRunningTheTestsIsAnAdministrator)
{
    // The default simulated machine and Wine (as root) both run the user as an administrator.
    EXPECT_TRUE(IsAdministratorAccessGranted());
    EXPECT_EQ(CheckAdministrator(), 544);
}

TEST(LaunchChecksTest, ThreadWithoutImpersonationHasNoToken)
{
    HANDLE token = nullptr;
    SetLastError(0);
    EXPECT_FALSE(OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_QUERY, TRUE, &token));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_TOKEN));
}

TEST(LaunchChecksTest, SidAndListSizes)
{
    Sid admins(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS});
    ASSERT_NE(admins.sid, nullptr);
    EXPECT_TRUE(IsValidSid(admins.sid));
    EXPECT_EQ(GetLengthSid(admins.sid), 16u);
    EXPECT_EQ(SECURITY_DESCRIPTOR_MIN_LENGTH, 40u);
    EXPECT_EQ(sizeof(PRIVILEGE_SET), 20u);

    // The SID's length plus 16 bytes holds exactly one entry: a second one does not fit.
    DWORD size = GetLengthSid(admins.sid) + 16;
    std::vector<BYTE> buffer(size + 8, 0);
    PACL acl = reinterpret_cast<PACL>(buffer.data());
    ASSERT_TRUE(InitializeAcl(acl, size, ACL_REVISION));
    EXPECT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION, 3, admins.sid));
    EXPECT_EQ(acl->AceCount, 1);
    SetLastError(0);
    EXPECT_FALSE(AddAccessAllowedAce(acl, ACL_REVISION, 3, admins.sid));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALLOTTED_SPACE_EXCEEDED));

    PSID sid = admins.sid;
    admins.sid = nullptr;
    EXPECT_EQ(FreeSid(sid), nullptr);
}

TEST_F(AccessCheckFixture, GrantsThroughAGroupOfTheToken)
{
    Sid everyone(1, {0});
    Allow(everyone.sid);
    BOOL status = FALSE;
    DWORD length = sizeof(PRIVILEGE_SET);
    ASSERT_TRUE(Check(impersonation, status, length));
    EXPECT_TRUE(status);
}

TEST_F(AccessCheckFixture, DeniesWhenNoEntryAppliesToTheToken)
{
    Sid guests(5, {SECURITY_BUILTIN_DOMAIN_RID, 546});
    Allow(guests.sid);
    BOOL status = TRUE;
    DWORD length = sizeof(PRIVILEGE_SET);
    SetLastError(0);
    ASSERT_TRUE(Check(impersonation, status, length));
    EXPECT_FALSE(status);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(AccessCheckFixture, NeedsAnImpersonationToken)
{
    Sid everyone(1, {0});
    Allow(everyone.sid);
    BOOL status = FALSE;
    DWORD length = sizeof(PRIVILEGE_SET);
    SetLastError(0);
    EXPECT_FALSE(Check(process, status, length));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_IMPERSONATION_TOKEN));
}

TEST_F(AccessCheckFixture, PrivilegeSetMustHoldOnePrivilege)
{
    Sid everyone(1, {0});
    Allow(everyone.sid);
    BOOL status = FALSE;
    DWORD length = 8;
    SetLastError(0);
    EXPECT_FALSE(Check(impersonation, status, length));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(length, sizeof(PRIVILEGE_SET));
}

TEST(LaunchChecksTest, MissingRegistryKeyIsNotFound)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{0BADF00D-0000-4000-8000-00000000C0DE}\\InprocServer32", 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_FILE_NOT_FOUND);
}

}  // namespace
