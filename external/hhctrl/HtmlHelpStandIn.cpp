// Stand-in of the HTML help engine library (Linux only): the narrow-string HTML help function,
// by name and as ordinal 14. It shows nothing; it records each request on the simulated
// machine, where tests read them back (platform/posix/Simulation.h).
#include "platform/posix/Simulation.h"
#include "platform/win32api.h"

#define HH_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// What the engine answers for a request it took: the handle of its (absent) viewer window.
HWND const kViewer = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x4848));
}  // namespace

HH_EXPORT HWND HtmlHelpA(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    SimMachineRecordHelp(SIM_HELP_HTML, owner, file, command, data);
    return kViewer;
}

HH_EXPORT HWND Ordinal14(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    return HtmlHelpA(owner, file, command, data);
}
