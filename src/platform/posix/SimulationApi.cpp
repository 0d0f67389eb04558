// Control of the simulated machine for tests and tools.
#include <cstring>

#include "MachineState.h"
#include "ReadSwap.h"
#include "Simulation.h"

extern "C" void SimMachineReload(void)
{
    MachineState::Instance().Reload();
    ReadSwap::Instance().Clear();
}

extern "C" DWORD SimMachineHostPath(LPCSTR windowsPath, LPSTR buffer, DWORD size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    std::string host;
    if (windowsPath) {
        PathMapper::Resolved r = state.Paths().Resolve(windowsPath, true);
        if (!r.error) host = r.host;
    }
    if (!buffer || size < host.size() + 1) {
        if (buffer && size) buffer[0] = '\0';
        return static_cast<DWORD>(host.size() + 1);
    }
    std::memcpy(buffer, host.c_str(), host.size() + 1);
    return static_cast<DWORD>(host.size());
}

extern "C" BOOL SimMachineFinishJob(DWORD jobId)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return state.PrintSpooler().Jobs().Finish(jobId) ? TRUE : FALSE;
}

extern "C" DWORD SimMachineSpoolFolder(LPSTR buffer, DWORD size)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    std::string folder = state.Paths().FullPath(state.Machine().spoolFolder);
    if (!buffer || size < folder.size() + 1) {
        if (buffer && size) buffer[0] = '\0';
        return static_cast<DWORD>(folder.size() + 1);
    }
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return static_cast<DWORD>(folder.size());
}

extern "C" void SimMachineSetWriteFault(DWORD failingWrite, unsigned long long diskFullAfter)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    state.Faults().Set(failingWrite, diskFullAfter);
}

extern "C" void SimMachineSetWriteStop(DWORD stopAfter)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    state.Faults().SetStop(stopAfter);
}

extern "C" DWORD SimMachineWriteCount(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return state.Faults().Count();
}

extern "C" void SimMachineSetReadFault(LPCSTR windowsPath)
{
    MachineState::Instance().SetReadFault(windowsPath ? windowsPath : "");
}

extern "C" void SimMachineSwapAfterRead(LPCSTR windowsPath, LPCSTR replacementPath, DWORD reads)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    PathMapper paths = state.Paths();
    const PathMapper::Resolved target = paths.Resolve(windowsPath ? windowsPath : "");
    const PathMapper::Resolved replacement = paths.Resolve(replacementPath ? replacementPath : "");
    const bool usable = windowsPath && *windowsPath && !target.error && !replacement.error;
    ReadSwap::Instance().Set(usable ? target.host : std::string(), replacement.host, usable ? reads : 0);
}
