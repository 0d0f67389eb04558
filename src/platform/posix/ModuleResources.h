// Where a module's resources are on Linux. A module built with tavrel_add_resources exports
// the byte array TavrelResourceSection and its size TavrelResourceSectionSize (see
// README.md); the section is looked up with dlsym on the module's handle, and used only when
// the symbol lies in that very module, so a library without resources never serves those of
// a library it depends on (or of the program).
#pragma once

#include <cstdint>
#include <string>

#include "ModuleTable.h"
#include "ResourceSection.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class ModuleResources {
public:
    // The handle of the main program: what GetModuleHandleA(NULL) returns.
    static void* MainProgram();
    // A module currently loaded in the process: the main program, a library of LoadLibraryA,
    // or any other shared object loaded (found by its handle).
    static bool IsLoaded(void* module, const ModuleTable& modules);
    // The loaded shared object whose file name is `fileName` (case-insensitive), or null.
    static void* FindLoaded(const std::string& fileName);
    // The module whose image holds the address (the main program included); null when none.
    static void* Holding(const void* address);
    // The resources of a module (null: the main program). False with ERROR_MOD_NOT_FOUND for
    // an unknown handle, ERROR_RESOURCE_DATA_NOT_FOUND for a module without resources.
    static bool Section(void* module, const ModuleTable& modules, ResourceSection& out, uint32_t& error);
};

#pragma GCC visibility pop
