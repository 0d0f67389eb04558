// The one simulated machine of the process: its description, the current directory, open
// handles, loaded libraries and the spooler. Every entry point locks it while it works.
#pragma once

#include <mutex>
#include <string>

#include "HandleTable.h"
#include "MachineDescription.h"
#include "ModuleTable.h"
#include "PathMapper.h"
#include "Spooler.h"
#include "WriteFaults.h"
#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MachineState {
public:
    static MachineState& Instance();  // reads the description on first use

    std::recursive_mutex& Mutex() { return m_mutex; }
    // Re-reads the description and resets the current directory, last error, handles and
    // spooler additions. Loaded libraries stay loaded: code may still run from them.
    void Reload();

    const MachineDescription& Machine() const { return m_machine; }
    const std::string& CurrentDirectory() const { return m_current; }
    void SetCurrentDirectory(const std::string& fullPath) { m_current = fullPath; }
    PathMapper Paths() const { return PathMapper(m_machine, m_current); }
    HandleTable& Handles() { return m_handles; }
    // Bitmaps and icons: numbered apart from kernel handles, as gdi32 and user32 number them.
    HandleTable& GdiHandles() { return m_gdiHandles; }
    ModuleTable& Modules() { return m_modules; }
    Spooler& PrintSpooler() { return m_spooler; }
    WriteFaults& Faults() { return m_faults; }
    // Reads of the file at windowsPath fail from now on (empty: none); kept as its host path.
    void SetReadFault(const std::string& windowsPath);
    bool ReadFails(const std::string& hostPath) const { return !m_readFault.empty() && hostPath == m_readFault; }
    // The search of SetDefaultDllDirectories (LOAD_LIBRARY_SEARCH_* flags); 0: the standard one.
    DWORD DefaultDllDirectories() const { return m_defaultDllDirectories; }
    void SetDefaultDllDirectories(DWORD flags) { m_defaultDllDirectories = flags; }
    // The machine's System32 folder (Windows folder + "\System32").
    std::string SystemFolder() const { return m_machine.windowsFolder + "\\System32"; }

private:
    MachineState();

    std::recursive_mutex m_mutex;
    MachineDescription m_machine;
    std::string m_current;
    HandleTable m_handles;
    HandleTable m_gdiHandles{0x40000000};
    ModuleTable m_modules;
    Spooler m_spooler;
    WriteFaults m_faults;
    std::string m_readFault;  // host path
    DWORD m_defaultDllDirectories = 0;
};

using MachineLock = std::lock_guard<std::recursive_mutex>;

#pragma GCC visibility pop
