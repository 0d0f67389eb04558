// An access token of the simulated user: its kind, impersonation level, the access it was
// opened with and the group SIDs it carries (from [Machine] Administrator).
#pragma once

#include <cstdint>
#include <vector>

#include "KernelObject.h"
#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class TokenObject : public KernelObject {
public:
    using SidBytes = std::vector<BYTE>;

    // The process token of the simulated user. An administrator who is not elevated holds the
    // filtered token of User Account Control: Administrators is a deny-only group.
    static TokenObject ForUser(bool administrator, bool elevated, DWORD access);

    TokenObject();
    TokenObject(const TokenObject& other);
    TokenObject& operator=(const TokenObject&) = delete;
    ~TokenObject() override;

    bool Holds(const void* sid) const;           // the user or one of the enabled groups
    bool HoldsForDenial(const void* sid) const;  // the same, or one of the deny-only groups

    bool impersonation = false;  // false: a primary token
    SECURITY_IMPERSONATION_LEVEL level = SecurityAnonymous;
    DWORD access = 0;
    SidBytes user;
    std::vector<SidBytes> groups;
    std::vector<SidBytes> denyOnlyGroups;

    static uint32_t Live();  // tokens in existence, open handles included

private:
    static uint32_t s_live;
};

#pragma GCC visibility pop
