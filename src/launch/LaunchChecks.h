// Checks made when the utility is launched: the class of the running operating system and
// whether the user belongs to the local Administrators group.
#pragma once

#include "platform/win32api.h"

// The version query; tests hand in one of their own.
using VersionQuery = BOOL(WINAPI*)(LPOSVERSIONINFOA);

// OS class code: family in bits 24-31 (1 Win32s, 2 Windows 95 family, 3 NT family),
// release in bits 16-23, sub-release in bits 0-15; 0 when unrecognised or the query failed.
DWORD GetOsClassCode();
DWORD GetOsClassCode(VersionQuery query);
DWORD ClassifyOsVersion(const OSVERSIONINFOA& info);

// 544 NT family and an administrator, 545 NT family and not one (or the test failed),
// -1 not the NT family (no test made).
int CheckAdministrator();
int CheckAdministrator(VersionQuery query);

// True when the utility must refuse this user: the NT family and no administrator. The
// wizard and the settings tool both apply it.
bool IsRefusedAsNonAdministrator();

// Access check of the caller's token against a descriptor that only the Administrators
// alias may use; false on any failure.
bool IsAdministratorAccessGranted();

// The platform identifier the version query reports (1 Windows 95 family, 2 NT family);
// 0 when the query fails.
DWORD QueryPlatformId();
