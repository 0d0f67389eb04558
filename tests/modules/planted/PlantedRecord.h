// A library that does nothing but record that it was loaded. Tests plant copies of it under
// the names of the system's libraries where no library of the system may come from (the
// current folder, PATH) and check afterwards that none of them was loaded (both targets).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace planted {

// The process environment variable the library sets when it is loaded.
constexpr const char* kVariable = "TAVREL_PLANTED_LIBRARY_LOADED";
// The library as the build makes it, in the folder of the test programs.
constexpr const char* kFileName = "TVPLANT.dll";

inline bool WasLoaded()
{
#ifdef _WIN32
    char value[8];
    return GetEnvironmentVariableA(kVariable, value, sizeof value) > 0;
#else
    return std::getenv(kVariable) != nullptr;
#endif
}

inline void Forget()
{
#ifdef _WIN32
    SetEnvironmentVariableA(kVariable, nullptr);
#else
    unsetenv(kVariable);
#endif
}

inline void RecordLoading()
{
#ifdef _WIN32
    SetEnvironmentVariableA(kVariable, "1");
#else
    setenv(kVariable, "1", 1);
#endif
}

}  // namespace planted
