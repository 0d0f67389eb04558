// The wizard's Help command: the topic table, WinHelp versus HTML help, and how the HTML help
// engine is found (registry, then "hhctrl.ocx", ordinal 14) and given up for good.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "launch/CHelpDispatcher.h"
#include "launch/CHtmlHelpEntry.h"
#include "platform/posix/Simulation.h"
#include "support/SimMachine.h"

namespace {

const char kEngineKey[] = "HKEY_CLASSES_ROOT\\CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char kHtmlFile[] = "C:\\Host\\Tintora\\guide.chm";
const char kWinHelpFile[] = "C:\\Host\\Tintora\\guide.hlp";

std::vector<SIM_HELP_REQUEST> Requests()
{
    std::vector<SIM_HELP_REQUEST> requests(SimMachineHelpRequests(nullptr, 0));
    SimMachineHelpRequests(requests.data(), static_cast<DWORD>(requests.size()));
    return requests;
}

std::string BinFile(const std::string& name)
{
    std::ifstream in(std::string(TAVREL_BIN_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class HelpTopicTest : public ::testing::Test {
protected:
    HelpTopicTest()
    {
        // Libraries are found only where a test puts them.
        std::filesystem::create_directories(machine.Root() + "/nolibs");
        machine.Set("Machine", "LibraryPath", machine.Root() + "/nolibs");
        machine.RemoveLibraries();
        machine.Apply();
        SimMachineClearHelpRequests();
    }
    void InstallEngine(const std::string& windowsPath, const std::string& binName = "hhctrl.ocx")
    {
        machine.WriteFile(windowsPath, BinFile(binName));
    }
    void Register(const std::string& windowsPath)
    {
        machine.Set("Registry", kEngineKey, windowsPath);
        machine.Apply();
    }

    SimMachine machine;
    CHtmlHelpEntry engine;
};

void ExpectRequest(const SIM_HELP_REQUEST& r, DWORD engine, const char* file, UINT command, ULONG_PTR data)
{
    EXPECT_EQ(r.engine, engine);
    EXPECT_EQ(r.owner, nullptr);
    EXPECT_STREQ(r.file, file);
    EXPECT_EQ(r.command, command);
    EXPECT_EQ(r.data, data);
}

TEST(HelpTopicTableTest, TopicFollowsPagePositionAndEditType)
{
    struct Row {
        int page;
        int editType;
        DWORD_PTR topic;
    };
    const Row rows[] = {
        {0, 0, 1}, {0, 2, 1}, {1, 1, 2}, {1, 3, 2}, {2, 1, 3}, {2, 2, 4}, {2, 3, 8},
        {3, 1, 5}, {3, 2, 7}, {4, 1, 6}, {4, 2, 6},
    };
    for (const Row& row : rows) {
        CHelpDispatcher::Topic t = CHelpDispatcher::ChooseTopic(row.page, row.editType);
        EXPECT_EQ(t.id, row.topic) << row.page << "/" << row.editType;
        EXPECT_EQ(t.winHelpCommand, 1u);
        EXPECT_EQ(t.htmlHelpCommand, 15u);
    }
    const int noTopic[][2] = {{2, 0}, {2, 4}, {3, 3}, {3, 0}, {5, 1}, {-1, 1}};
    for (const auto& c : noTopic) {
        CHelpDispatcher::Topic t = CHelpDispatcher::ChooseTopic(c[0], c[1]);
        EXPECT_EQ(t.id, 0u) << c[0] << "/" << c[1];
        EXPECT_EQ(t.winHelpCommand, 11u);
        EXPECT_EQ(t.htmlHelpCommand, 0u);
    }
}

TEST(HelpTopicTableTest, OnlyALowerCaseHlpEndingIsWinHelp)
{
    EXPECT_TRUE(CHelpDispatcher::IsWinHelpFile("C:\\a\\guide.hlp"));
    EXPECT_FALSE(CHelpDispatcher::IsWinHelpFile("C:\\a\\GUIDE.HLP"));
    EXPECT_FALSE(CHelpDispatcher::IsWinHelpFile("C:\\a\\guide.chm"));
    EXPECT_FALSE(CHelpDispatcher::IsWinHelpFile("hlp"));
    EXPECT_TRUE(CHelpDispatcher::IsWinHelpFile(".hlp"));
}

TEST_F(HelpTopicTest, HtmlFileIsDisplayedThenItsTopicShown)
{
    InstallEngine("C:\\Windows\\System32\\hhctrl.ocx");
    Register("C:\\Windows\\System32\\hhctrl.ocx");
    CHelpDispatcher(engine).ShowHelp(kHtmlFile, 2, 2);
    std::vector<SIM_HELP_REQUEST> r = Requests();
    ASSERT_EQ(r.size(), 2u);
    ExpectRequest(r[0], SIM_HELP_HTML, kHtmlFile, 0, 0);
    ExpectRequest(r[1], SIM_HELP_HTML, kHtmlFile, 15, 4);
}

TEST_F(HelpTopicTest, WinHelpFileStillAsksTheHtmlEngineFirst)
{
    InstallEngine("C:\\Windows\\System32\\hhctrl.ocx");
    Register("C:\\Windows\\System32\\hhctrl.ocx");
    CHelpDispatcher(engine).ShowHelp(kWinHelpFile, 3, 1);
    CHelpDispatcher(engine).ShowHelp(kWinHelpFile, 7, 1);
    std::vector<SIM_HELP_REQUEST> r = Requests();
    ASSERT_EQ(r.size(), 4u);
    ExpectRequest(r[0], SIM_HELP_HTML, kWinHelpFile, 0, 0);
    ExpectRequest(r[1], SIM_HELP_WINHELP, kWinHelpFile, 1, 5);
    ExpectRequest(r[2], SIM_HELP_HTML, kWinHelpFile, 0, 0);
    ExpectRequest(r[3], SIM_HELP_WINHELP, kWinHelpFile, 11, 0);
}

TEST_F(HelpTopicTest, UpperCaseHlpGoesToTheHtmlEngine)
{
    InstallEngine("C:\\Windows\\System32\\hhctrl.ocx");
    Register("C:\\Windows\\System32\\hhctrl.ocx");
    CHelpDispatcher(engine).ShowHelp("C:\\Host\\Tintora\\GUIDE.HLP", 9, 1);
    std::vector<SIM_HELP_REQUEST> r = Requests();
    ASSERT_EQ(r.size(), 2u);
    ExpectRequest(r[1], SIM_HELP_HTML, "C:\\Host\\Tintora\\GUIDE.HLP", 0, 0);  // no topic: display
}

TEST_F(HelpTopicTest, UnloadableRegisteredEngineFallsBackToTheSystemLibrary)
{
    Register("C:\\Windows\\System32\\missing.ocx");
    InstallEngine("C:\\Windows\\System32\\hhctrl.ocx");
    EXPECT_NE(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    EXPECT_EQ(Requests().size(), 1u);
}

TEST_F(HelpTopicTest, ExpandableRegisteredPathIsExpanded)
{
    InstallEngine("C:\\Windows\\System32\\help2.ocx");
    machine.Set("RegistryExpand", kEngineKey, "%SystemRoot%\\System32\\help2.ocx");
    machine.Apply();
    EXPECT_NE(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
}

TEST_F(HelpTopicTest, EngineIsNeverTakenFromTheProgramOrCurrentFolderOrPath)
{
    // Unregistered, and none in System32: engines planted elsewhere stay unloaded.
    InstallEngine("C:\\Host\\hhctrl.ocx");
    InstallEngine("C:\\Work\\hhctrl.ocx");
    std::filesystem::create_directories(machine.Root() + "/path");
    std::filesystem::copy_file(std::string(TAVREL_BIN_DIR) + "/hhctrl.ocx", machine.Root() + "/path/hhctrl.ocx");
    machine.Set("Machine", "LibraryPath", machine.Root() + "/path");
    machine.Set("Machine", "CurrentDirectory", "C:\\Work");
    machine.Apply();
    EXPECT_EQ(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    EXPECT_TRUE(engine.HasFailed());
    // A registered name without a folder is not searched for either.
    CHtmlHelpEntry second;
    Register("hhctrl.ocx");
    EXPECT_EQ(second.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    EXPECT_EQ(Requests().size(), 0u);
}

TEST_F(HelpTopicTest, NoEngineFailsForGood)
{
    EXPECT_EQ(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    EXPECT_TRUE(engine.HasFailed());
    // An engine installed afterwards is not looked for again.
    InstallEngine("C:\\Host\\hhctrl.ocx");
    Register("C:\\Host\\hhctrl.ocx");
    CHelpDispatcher(engine).ShowHelp(kWinHelpFile, 0, 1);
    CHelpDispatcher(engine).ShowHelp(kHtmlFile, 0, 1);
    std::vector<SIM_HELP_REQUEST> r = Requests();
    ASSERT_EQ(r.size(), 1u);  // WinHelp needs no engine
    ExpectRequest(r[0], SIM_HELP_WINHELP, kWinHelpFile, 1, 1);
}

TEST_F(HelpTopicTest, EngineWithoutOrdinal14FailsForGood)
{
    InstallEngine("C:\\Engines\\other.ocx", "vemrload.dll");
    InstallEngine("C:\\Host\\hhctrl.ocx");  // not tried: the registered library loaded
    Register("C:\\Engines\\other.ocx");
    EXPECT_EQ(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    EXPECT_TRUE(engine.HasFailed());
    EXPECT_EQ(Requests().size(), 0u);
}

TEST_F(HelpTopicTest, EngineIsLookedUpOnceAndKept)
{
    InstallEngine("C:\\Engines\\help.ocx");
    Register("C:\\Engines\\help.ocx");
    EXPECT_NE(engine.Call(nullptr, kHtmlFile, 0, 0), nullptr);
    // Gone from disk and registry: the loaded engine still answers.
    machine.Set("Registry", kEngineKey, "");
    machine.Apply();
    std::filesystem::remove(machine.HostPath("C:\\Engines\\help.ocx"));
    EXPECT_NE(engine.Call(nullptr, kHtmlFile, 15, 3), nullptr);
    EXPECT_EQ(Requests().size(), 1u);  // the reload started a fresh log: this is the second call
}

TEST_F(HelpTopicTest, RegistryReadsStringValuesFromTheDescription)
{
    machine.Set("Registry", "HKCR\\CLSID\\{X}\\InprocServer32|ThreadingModel", "Apartment");
    machine.Set("Registry", "HKLM\\Software\\Tool", "C:\\Tool");
    machine.Apply();

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "clsid\\{x}", 0, KEY_READ, &key), ERROR_SUCCESS);
    HKEY sub = nullptr;
    ASSERT_EQ(RegOpenKeyExA(key, "InprocServer32", 0, KEY_READ, &sub), ERROR_SUCCESS);
    char data[16] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(sub, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(data), &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(sub, "threadingmodel", nullptr, &type, reinterpret_cast<LPBYTE>(data), &size), ERROR_SUCCESS);
    EXPECT_STREQ(data, "Apartment");
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    size = 4;
    EXPECT_EQ(RegQueryValueExA(sub, "ThreadingModel", nullptr, &type, reinterpret_cast<LPBYTE>(data), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(RegCloseKey(sub), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(sub), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Tool", 0, KEY_READ, &key), ERROR_SUCCESS);
    size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(data), &size), ERROR_SUCCESS);
    EXPECT_STREQ(data, "C:\\Tool");
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Other", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tool", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

}  // namespace
