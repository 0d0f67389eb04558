// user32 WinHelpA and the record of help requests: nothing is shown, every request is kept
// for tests (Simulation.h).
#include <algorithm>
#include <cstring>

#include "HelpLog.h"
#include "MachineState.h"
#include "Simulation.h"

HelpLog& HelpLog::Instance()
{
    static HelpLog log;
    return log;
}

extern "C" BOOL WinHelpA(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data)
{
    SimMachineRecordHelp(SIM_HELP_WINHELP, owner, helpFile, command, data);
    return TRUE;
}

extern "C" void SimMachineRecordHelp(DWORD engine, HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    HelpLog::Instance().Add({engine, owner, helpFile ? helpFile : "", command, data});
}

extern "C" DWORD SimMachineHelpRequests(SIM_HELP_REQUEST* requests, DWORD count)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const std::vector<HelpLog::Request>& log = HelpLog::Instance().Requests();
    DWORD n = std::min(count, static_cast<DWORD>(log.size()));
    for (DWORD i = 0; requests && i < n; ++i) {
        SIM_HELP_REQUEST& out = requests[i];
        std::memset(&out, 0, sizeof out);
        out.engine = log[i].engine;
        out.owner = log[i].owner;
        out.command = log[i].command;
        out.data = log[i].data;
        std::strncpy(out.file, log[i].file.c_str(), sizeof out.file - 1);
    }
    return static_cast<DWORD>(log.size());
}

extern "C" void SimMachineClearHelpRequests(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    HelpLog::Instance().Clear();
}
