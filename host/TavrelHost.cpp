// Host program: loads TAVREL and runs its wizard once, as a printer utility host would.
//
//   TavrelHost [--script FILE] [PRINTER]
//
// On Linux the wizard runs headless: in this terminal by default, or from a command script
// (--script FILE, the same commands the terminal takes). On Windows it is a windowed program
// (no console) that shows the wizard's real windows: it moves to its own folder first, where
// the utility folder "Tintora" lies, whatever folder it was started from, and holds the
// product's running mutex so that an installer does not replace its files under it.
//
// Exit status: what the entry point returns, except that a command script with a refused step
// or a failed `expect` makes it 1. The library keeps its single export, so the headless
// driver appends those lines to the file TAVREL_UI_REPORT names; the host points it at a
// temporary file of its own and reads it afterwards.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "ProductIdentity.h"
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

using EntryPoint = int (*)(intptr_t, intptr_t, const char*, int);

#ifdef _WIN32
// The folder of this program, without a trailing backslash; "" when it cannot be told.
std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder(path, length);
    const auto slash = folder.rfind('\\');
    return slash == std::string::npos ? "" : folder.substr(0, slash);
}

// A path given on the command line, taken from the folder the host was started in.
std::string FullPath(const std::string& path)
{
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? path : std::string(full, length);
}

// Held while the wizard runs; the installers check for it.
class RunningMutex {
public:
    RunningMutex() : m_handle(CreateMutexA(nullptr, FALSE, TAVREL_RUNNING_MUTEX)) {}
    ~RunningMutex()
    {
        if (m_handle) CloseHandle(m_handle);
    }
    RunningMutex(const RunningMutex&) = delete;
    RunningMutex& operator=(const RunningMutex&) = delete;

private:
    HANDLE m_handle;
};

EntryPoint LoadEntry()
{
    HMODULE library = LoadLibraryA("TAVREL.dll");
    if (!library) return nullptr;
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(library, "CallTintora32")));
}
#else
std::string ProgramFolder()
{
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return ".";
    std::string folder(path, static_cast<size_t>(length));
    const auto slash = folder.rfind('/');
    return slash == std::string::npos ? "." : folder.substr(0, slash);
}

EntryPoint LoadEntry()
{
    const std::string path = ProgramFolder() + "/TAVREL.dll";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "TavrelHost: %s\n", dlerror());
        return nullptr;
    }
    return reinterpret_cast<EntryPoint>(dlsym(library, "CallTintora32"));
}
#endif

// A fresh empty file for the driver's report, or "" when none can be made.
std::string MakeReportFile()
{
#ifdef _WIN32
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "tvr", 0, path)) return "";
    return path;
#else
    const char* tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavrel-report-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return "";
    close(fd);
    return path;
#endif
}

bool ReportHasLines(const std::string& path)
{
    std::ifstream file(path);
    return file && file.peek() != std::ifstream::traits_type::eof();
}

int Usage()
{
    std::fprintf(stderr, "usage: TavrelHost [--script FILE] [PRINTER]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Before anything is loaded: libraries come from this program's folder and System32 only,
    // never from the current folder or PATH.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
#endif
    std::string script;
    const char* printer = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--script" && i + 1 < argc) {
            script = argv[++i];
        } else if (argument == "--help" || argument == "-h" || (argument.size() > 1 && argument[0] == '-')) {
            return Usage();
        } else if (!printer) {
            printer = argv[i];
        } else {
            return Usage();
        }
    }

#ifndef _WIN32
    // The library's headless windows take their user from this variable.
    if (!script.empty()) {
        setenv("TAVREL_UI_DRIVER", ("script:" + script).c_str(), 1);
    } else if (!std::getenv("TAVREL_UI_DRIVER")) {
        setenv("TAVREL_UI_DRIVER", "terminal", 1);
    }
#else
    const RunningMutex running;
    if (!script.empty()) _putenv_s("TAVREL_UI_DRIVER", ("script:" + FullPath(script)).c_str());
    // "Tintora\Tavrel.ini" and "version.txt" are read from the current folder.
    const std::string folder = ProgramFolder();
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
#endif

    const std::string report = MakeReportFile();
#ifndef _WIN32
    setenv("TAVREL_UI_REPORT", report.c_str(), 1);
#else
    _putenv_s("TAVREL_UI_REPORT", report.c_str());
#endif

    const EntryPoint entry = LoadEntry();
    if (!entry) {
        std::fprintf(stderr, "TavrelHost: cannot load TAVREL.dll or its entry point\n");
        return 1;
    }
    int status = entry(0, 0, printer, 0);
    if (!report.empty()) {
        if (ReportHasLines(report)) status = 1;
        std::remove(report.c_str());
    }
    return status;
}
