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
// The simulated printer finishes a queued job: it leaves the queue as printed (its bytes go to
// the output file or file port). FALSE when no job has that id or its document has not ended.
BOOL SimMachineFinishJob(DWORD jobId);
// The Windows path of the spool folder that holds the job records ("NNNNN.SPL").
// Returns the length written, or the size needed (including the NUL) when it does not fit.
DWORD SimMachineSpoolFolder(LPSTR buffer, DWORD size);
}

// The fault switch of the simulated disk (also [Faults] in the description). Every call that
// changes the disk counts as one write or more (see MachineDescription.md): creating, cutting,
// writing, flushing, renaming, copying, deleting files and folders, setting attributes.
#define SIM_DISK_UNLIMITED 0xFFFFFFFFFFFFFFFFull
extern "C" {
// Restarts the count: the failingWrite-th write from now fails with ERROR_WRITE_FAULT (0: none),
// and once diskFullAfter more bytes are written every write of bytes fails with ERROR_DISK_FULL.
void SimMachineSetWriteFault(DWORD failingWrite, unsigned long long diskFullAfter);
// Writes counted since the last reload or SimMachineSetWriteFault, the failed one included.
DWORD SimMachineWriteCount(void);
// Every ReadFile of the file at windowsPath fails from now on with ERROR_READ_FAULT and reads
// nothing (also [Faults] FailReadOf); null or empty: no read fails. Kept until the next reload.
void SimMachineSetReadFault(LPCSTR windowsPath);
}

// Help requests and security objects (Linux only).
#define SIM_HELP_WINHELP 1   // WinHelpA
#define SIM_HELP_HTML 2      // the HTML help function of the help-engine stand-in ("hhctrl.ocx")
typedef struct _SIM_HELP_REQUEST {
    DWORD engine;  // SIM_HELP_*
    HWND owner;
    UINT command;
    ULONG_PTR data;
    CHAR file[MAX_PATH];  // as given, cut to MAX_PATH - 1 characters
} SIM_HELP_REQUEST;
extern "C" {
// Copies up to count recorded requests, oldest first; returns how many are recorded.
DWORD SimMachineHelpRequests(SIM_HELP_REQUEST* requests, DWORD count);
// Forgets the recorded requests (a reload keeps them).
void SimMachineClearHelpRequests(void);
// Records one request; WinHelpA and the help-engine stand-in call it.
void SimMachineRecordHelp(DWORD engine, HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data);
// Local memory blocks, SIDs and tokens currently held: 0 when every one was released.
DWORD SimMachineSecurityObjects(void);
// Drawing objects of the process not yet released: bitmaps, icons (not the system's shared
// ones) and device contexts (memory and printer).
DWORD SimMachineGdiObjects(void);
}
#endif
