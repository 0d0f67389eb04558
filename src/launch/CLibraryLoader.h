// Loads the libraries the system uses only from where they belong: ours (the resource loader,
// the language libraries, the printer-model and ICC modules) by full path from the folder of
// this library's own module, the system's from System32. Neither the current folder nor PATH
// is ever searched, so a library of the same name planted there is never loaded.
#pragma once

#include <string>

#include "platform/win32api.h"

class CLibraryLoader {
public:
    // A loaded library's own dependencies are looked for beside it and in System32 only.
    static constexpr DWORD searchFlags = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;

    // The folder of this library's own module, with a trailing backslash; empty when unknown.
    static std::string OwnFolder();
    // A file name and nothing else: not empty, no folder or drive ("\", "/", ":"), no "..",
    // no wildcard or control character.
    static bool IsBareFileName(const std::string& name);
    // The last component of a file name or path.
    static std::string FileNameOf(const std::string& path);

    // Our library fileName (a bare file name) from OwnFolder(), once it is found there as a
    // file; null otherwise.
    static HMODULE LoadOwn(const std::string& fileName);
    // The system library fileName (a bare file name) from System32.
    static HMODULE LoadSystem(const std::string& fileName);
    // A library named by a full local path ("X:\..."), once it is found there as a file.
    static HMODULE LoadFullPath(const std::string& path);
};
