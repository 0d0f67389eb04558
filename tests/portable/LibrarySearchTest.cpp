// Libraries come only from where they belong: copies of a library that records its loading,
// planted under the names of ours in the current folder and on PATH, are never loaded (both
// targets). On Linux PATH is the simulated machine's LibraryPath.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "color/ModuleLibrary.h"
#include "gamma/CIccModule.h"
#include "launch/CLibraryLoader.h"
#include "launch/CStrRes.h"
#include "modules/planted/PlantedRecord.h"
#include "platform/win32api.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

constexpr DWORD kFlags = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
const char kAbsent[] = "TVABSENT.dll";  // named by the utility file, not installed

[[maybe_unused]] std::string FolderOfProgram()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length);
    return full.substr(0, full.rfind('\\'));
}

class LibrarySearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
        // The temporary folder is C:\Windows\Temp there.
        machine->Set("Machine", "LibraryPath", machine->Root() + "/c/Windows/Temp/TvPlantTest/path");
        machine->Apply();
        const std::string planted = "Z:" + std::string(TAVREL_BIN_DIR) + "/" + planted::kFileName;
#else
        const std::string planted = FolderOfProgram() + "\\" + planted::kFileName;
#endif
        char buffer[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathA(sizeof buffer, buffer), 0u);
        root = std::string(buffer) + "TvPlantTest";
#ifdef _WIN32
        const DWORD length = GetEnvironmentVariableA("PATH", nullptr, 0);
        savedPath.assign(length, '\0');
        savedPath.resize(GetEnvironmentVariableA("PATH", savedPath.data(), length));
        SetEnvironmentVariableA("PATH", (root + "\\path;" + savedPath).c_str());
#endif
        ASSERT_GT(GetCurrentDirectoryA(sizeof buffer, buffer), 0u);
        savedDirectory = buffer;
        for (const char* folder : {"", "\\path", "\\Tintora"}) CreateDirectoryA((root + folder).c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
        const std::string ini = root + "\\Tintora\\Tavrel.ini";
        WritePrivateProfileStringA("CCMVer10", "Module", kAbsent, ini.c_str());
        WritePrivateProfileStringA("CCMVer10", "IccModule", kAbsent, ini.c_str());
        for (const char* name : {kAbsent, "vemrload.dll", "XVSTRENU.dll"}) {
            for (const std::string& folder : {root, root + "\\path"}) {
                const std::string copy = folder + "\\" + name;
                ASSERT_TRUE(CopyFileA(planted.c_str(), copy.c_str(), FALSE)) << copy;
                files.push_back(copy);
            }
        }
        files.push_back(ini);
        planted::Forget();
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(savedDirectory.c_str());
#ifdef _WIN32
        SetEnvironmentVariableA("PATH", savedPath.c_str());
#endif
        for (const std::string& file : files) DeleteFileA(file.c_str());
        for (const char* folder : {"\\Tintora", "\\path", ""}) RemoveDirectoryA((root + folder).c_str());
        planted::Forget();
    }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#else
    std::string savedPath;
#endif
    std::string root;
    std::string savedDirectory;
    std::vector<std::string> files;
};

}  // namespace

TEST_F(LibrarySearchTest, SearchFlagsNeverLookInTheCurrentFolderOrOnPath)
{
    EXPECT_EQ(LoadLibraryExA(kAbsent, nullptr, kFlags), nullptr);
    EXPECT_EQ(LoadLibraryExA(kAbsent, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), nullptr);
    EXPECT_FALSE(planted::WasLoaded());
    // By its full path the planted file loads, and says so: the record above can be trusted.
    HMODULE byPath = LoadLibraryExA((root + "\\" + kAbsent).c_str(), nullptr, kFlags);
    ASSERT_NE(byPath, nullptr);
    FreeLibrary(byPath);
    EXPECT_TRUE(planted::WasLoaded());
}

TEST_F(LibrarySearchTest, OurLibrariesComeFromOurOwnFolderOnly)
{
    // The loader and the string library are ours: the real ones answer.
    EXPECT_FALSE(CStrRes().Load(IDS_CAPTION_ERROR).empty());
    // A module the utility file names but that is not installed beside us is not loaded at all.
    EXPECT_EQ(ModuleLibrary::Load("10"), nullptr);
    { CIccModule icc("10"); }
    EXPECT_FALSE(planted::WasLoaded());
}

TEST_F(LibrarySearchTest, ModuleNamesWithAFolderMakeTheModelUnsupported)
{
    const std::string ini = root + "\\Tintora\\Tavrel.ini";
    struct Row {
        const char* module;
        const char* iccModule;
        bool loadable;
    };
    const Row rows[] = {
        {"TVCCM.dll", "", true},
        {"TVCCM.dll", "TVICC.dll", true},
        {"", "TVICC.dll", false},
        {"C:\\Drivers\\TVCCM.dll", "", false},
        {"\\\\server\\share\\TVCCM.dll", "", false},
        {"..\\TVCCM.dll", "", false},
        {"sub/TVCCM.dll", "", false},
        {"C:TVCCM.dll", "", false},
        {"..", "", false},
        {"TVCCM.dll", "\\\\server\\share\\TVICC.dll", false},
        {"TVCCM.dll", "D:\\TVICC.dll", false},
    };
    for (const Row& row : rows) {
        WritePrivateProfileStringA("CCMVer20", "Module", row.module, ini.c_str());
        WritePrivateProfileStringA("CCMVer20", "IccModule", row.iccModule, ini.c_str());
        EXPECT_EQ(CPrint::HasLoadableModules(CIniUtility(), "20"), row.loadable) << row.module << " " << row.iccModule;
    }
}
