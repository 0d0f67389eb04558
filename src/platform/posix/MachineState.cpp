#include "MachineState.h"

#include "HelpLog.h"
#include "LastError.h"
#include "ProfileCache.h"

MachineState& MachineState::Instance()
{
    static MachineState state;
    return state;
}

MachineState::MachineState()
{
    Reload();
}

void MachineState::Reload()
{
    MachineLock lock(m_mutex);
    m_handles.Clear();
    m_gdiHandles.Clear();
    ProfileCache::Instance().Clear();
    HelpLog::Instance().Clear();
    m_machine.Load();
    m_current.clear();
    std::string current = PathMapper(m_machine, "").FullPath(m_machine.currentDirectory);
    m_current = current.empty() ? "Z:\\" : current;
    m_spooler.Load(m_machine);
    m_faults.Set(m_machine.failWrite, m_machine.diskFullAfter);
    m_faults.SetStop(m_machine.stopAfterWrite);
    SetReadFault(m_machine.failReadOf);
    m_defaultDllDirectories = 0;
    LastError::Set(0);
}

void MachineState::SetReadFault(const std::string& windowsPath)
{
    MachineLock lock(m_mutex);
    m_readFault.clear();
    if (windowsPath.empty()) return;
    PathMapper::Resolved r = Paths().Resolve(windowsPath);
    if (!r.error) m_readFault = r.host;
}
