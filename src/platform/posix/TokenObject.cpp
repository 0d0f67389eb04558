#include "TokenObject.h"

#include "SecurityLayout.h"

uint32_t TokenObject::s_live = 0;

namespace {
const BYTE kWorld[6] = SECURITY_WORLD_SID_AUTHORITY;
const BYTE kNt[6] = SECURITY_NT_AUTHORITY;
}  // namespace

TokenObject TokenObject::ForUser(bool administrator, bool elevated, DWORD access)
{
    TokenObject token;
    token.access = access;
    // A local account of this machine; the domain part is fixed, the machine has one user.
    token.user = SecurityLayout::MakeSid(kNt, {21, 1000, 2000, 3000, 1001});
    token.groups.push_back(SecurityLayout::MakeSid(kWorld, {0}));
    token.groups.push_back(SecurityLayout::MakeSid(kNt, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS}));
    if (administrator) {
        auto& list = elevated ? token.groups : token.denyOnlyGroups;
        list.push_back(SecurityLayout::MakeSid(kNt, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}));
    }
    token.groups.push_back(SecurityLayout::MakeSid(kNt, {SECURITY_INTERACTIVE_RID}));
    token.groups.push_back(SecurityLayout::MakeSid(kNt, {SECURITY_AUTHENTICATED_USER_RID}));
    return token;
}

TokenObject::TokenObject()
{
    ++s_live;
}

TokenObject::TokenObject(const TokenObject& other)
    : KernelObject(),
      impersonation(other.impersonation),
      level(other.level),
      access(other.access),
      user(other.user),
      groups(other.groups),
      denyOnlyGroups(other.denyOnlyGroups)
{
    ++s_live;
}

TokenObject::~TokenObject()
{
    --s_live;
}

bool TokenObject::Holds(const void* sid) const
{
    if (SecurityLayout::EqualSids(user.data(), sid)) return true;
    for (const SidBytes& group : groups)
        if (SecurityLayout::EqualSids(group.data(), sid)) return true;
    return false;
}

bool TokenObject::HoldsForDenial(const void* sid) const
{
    if (Holds(sid)) return true;
    for (const SidBytes& group : denyOnlyGroups)
        if (SecurityLayout::EqualSids(group.data(), sid)) return true;
    return false;
}

uint32_t TokenObject::Live()
{
    return s_live;
}
