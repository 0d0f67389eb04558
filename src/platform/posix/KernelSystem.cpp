// kernel32 machine facts: computer name, version record, user-interface language.
#include <cstring>

#include "LastError.h"
#include "MachineState.h"
#include "platform/win32api.h"

namespace {
// OSVERSIONINFOEXA: the plain record followed by service pack, suite and product type.
constexpr DWORD kVersionInfoExSize = sizeof(OSVERSIONINFOA) + 8;
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must have the Windows layout");
}  // namespace

extern "C" BOOL GetComputerNameA(LPSTR buffer, LPDWORD size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!size) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    const std::string& name = state.Machine().computerName;
    if (!buffer || *size < name.size() + 1) {
        *size = static_cast<DWORD>(name.size() + 1);
        return LastError::Fail(ERROR_BUFFER_OVERFLOW, FALSE);
    }
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return TRUE;
}

extern "C" BOOL GetVersionExA(LPOSVERSIONINFOA info)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!info) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    DWORD size = info->dwOSVersionInfoSize;
    // Windows answers a wrong record size with ERROR_INSUFFICIENT_BUFFER.
    if (size != sizeof(OSVERSIONINFOA) && size != kVersionInfoExSize)
        return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    const MachineDescription& m = state.Machine();
    std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0, size - sizeof(DWORD));
    info->dwMajorVersion = m.majorVersion;
    info->dwMinorVersion = m.minorVersion;
    info->dwBuildNumber = m.buildNumber;
    info->dwPlatformId = m.platformId;
    std::strncpy(info->szCSDVersion, m.csdVersion.c_str(), sizeof info->szCSDVersion - 1);
    if (size == kVersionInfoExSize) reinterpret_cast<BYTE*>(info)[sizeof(OSVERSIONINFOA) + 6] = 1;  // workstation
    return TRUE;
}

extern "C" LANGID GetUserDefaultUILanguage(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return state.Machine().uiLanguage;
}
