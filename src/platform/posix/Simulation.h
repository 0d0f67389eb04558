// Linux only: control of the simulated machine that platform/posix answers from.
// The machine description is an INI file named by TAVREL_MACHINE (see MachineDescription.md).
#pragma once

#include "platform/win32api.h"

#ifndef _WIN32
extern "C" {
// Re-reads the description and resets all state: current directory, last error, open handles.
void SimMachineReload(void);
// The host path a Windows path stands for on the simulated machine (empty when unmapped).
// Returns the length written, or the size needed (including the NUL) when it does not fit.
DWORD SimMachineHostPath(LPCSTR windowsPath, LPSTR buffer, DWORD size);
}
#endif
