// The fault switch of the simulated disk: the N-th write that changes the disk fails, or the
// disk fills up after N bytes; and what a profile write leaves behind at every such fault.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/posix/Simulation.h"
#include "platform/win32api.h"
#include "support/SimMachine.h"

namespace {

class SimWriteFaultTest : public ::testing::Test {
protected:
    void SetUp() override { machine.WriteFile("C:\\Host\\keep", ""); }

    // The names in a folder of the machine, read on the host so nothing is counted.
    std::vector<std::string> Names(const std::string& windowsFolder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(machine.HostPath(windowsFolder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static HANDLE Create(const char* path)
    {
        return CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    SimMachine machine;
};

TEST_F(SimWriteFaultTest, OnlyTheChosenWriteFailsAndEveryKindOfWriteCounts)
{
    SimMachineSetWriteFault(3, SIM_DISK_UNLIMITED);
    HANDLE file = Create("C:\\Host\\a.bin");  // 1: a new file
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD done = 99;
    EXPECT_TRUE(WriteFile(file, "abc", 3, &done, nullptr));  // 2
    EXPECT_FALSE(WriteFile(file, "def", 3, &done, nullptr));  // 3
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_EQ(done, 0u);
    EXPECT_TRUE(WriteFile(file, "ghi", 3, &done, nullptr));  // 4
    EXPECT_TRUE(WriteFile(file, "", 0, &done, nullptr));     // nothing written: not counted
    EXPECT_TRUE(FlushFileBuffers(file));                     // 5
    CloseHandle(file);
    EXPECT_EQ(machine.ReadFile("C:\\Host\\a.bin"), "abcghi");

    HANDLE reading = CreateFileA("C:\\Host\\a.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CloseHandle(reading);  // reading changes nothing
    EXPECT_TRUE(CopyFileA("C:\\Host\\a.bin", "C:\\Host\\b.bin", FALSE));                       // 6-8
    EXPECT_TRUE(MoveFileExA("C:\\Host\\b.bin", "C:\\Host\\c.bin", MOVEFILE_REPLACE_EXISTING));  // 9
    EXPECT_TRUE(SetFileAttributesA("C:\\Host\\c.bin", FILE_ATTRIBUTE_NORMAL));                  // 10
    EXPECT_TRUE(DeleteFileA("C:\\Host\\c.bin"));                                                // 11
    EXPECT_TRUE(CreateDirectoryA("C:\\Host\\d", nullptr));                                      // 12
    EXPECT_TRUE(RemoveDirectoryA("C:\\Host\\d"));                                               // 13
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", "C:\\Host\\p.ini"));                  // 14-17
    EXPECT_EQ(SimMachineWriteCount(), 17u);

    SimMachineSetWriteFault(1, SIM_DISK_UNLIMITED);
    EXPECT_FALSE(MoveFileExA("C:\\Host\\a.bin", "C:\\Host\\e.bin", 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\a.bin"), "abcghi");
    EXPECT_FALSE(machine.Exists("C:\\Host\\e.bin"));
}

TEST_F(SimWriteFaultTest, AFullDiskTakesWhatFitsThenRefuses)
{
    SimMachineSetWriteFault(0, 5);
    HANDLE file = Create("C:\\Host\\a.bin");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    EXPECT_FALSE(WriteFile(file, "12345678", 8, &done, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(done, 5u);
    EXPECT_FALSE(WriteFile(file, "9", 1, &done, nullptr));
    EXPECT_EQ(done, 0u);
    CloseHandle(file);
    EXPECT_EQ(machine.ReadFile("C:\\Host\\a.bin"), "12345");

    // A copy that does not fit leaves no part of itself behind.
    machine.WriteFile("C:\\Host\\src.bin", "abcdefgh");
    SimMachineSetWriteFault(0, 3);
    EXPECT_FALSE(CopyFileA("C:\\Host\\src.bin", "C:\\Host\\dst.bin", FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_FALSE(machine.Exists("C:\\Host\\dst.bin"));
}

TEST_F(SimWriteFaultTest, TheDescriptionSetsTheSwitchAndAReloadRestartsIt)
{
    machine.Set("Faults", "FailWrite", "2");
    machine.Apply();
    EXPECT_TRUE(CreateDirectoryA("C:\\Host\\one", nullptr));
    EXPECT_FALSE(CreateDirectoryA("C:\\Host\\two", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_FALSE(machine.Exists("C:\\Host\\two"));
    EXPECT_EQ(SimMachineWriteCount(), 2u);

    machine.Set("Faults", "FailWrite", "0");
    machine.Set("Faults", "DiskFullAfter", "4");
    machine.Apply();
    EXPECT_EQ(SimMachineWriteCount(), 0u);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", "C:\\Host\\p.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_FALSE(machine.Exists("C:\\Host\\p.ini"));
}

// A profile write at every fault position and every disk size: the file holds the old or the
// new contents, never a mix, and no other file is left in its folder.
TEST_F(SimWriteFaultTest, AProfileWriteIsWholeOrNotAtAll)
{
    const std::string path = "C:\\Host\\cat.ini";
    const std::string before = "[Config]\r\nUpDate=1\r\n[Names]\r\nSettingNum=2\r\n";
    machine.WriteFile(path, before);
    const std::vector<std::string> names = Names("C:\\Host");

    SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
    ASSERT_TRUE(WritePrivateProfileStringA("Names", "SettingNum", "3", path.c_str()));
    const std::string after = machine.ReadFile(path);
    const DWORD positions = SimMachineWriteCount();
    ASSERT_GE(positions, 3u) << "a new file, its bytes and the rename at least";

    for (DWORD fault = 1; fault <= positions; ++fault) {
        machine.WriteFile(path, before);
        SimMachineSetWriteFault(fault, SIM_DISK_UNLIMITED);
        EXPECT_FALSE(WritePrivateProfileStringA("Names", "SettingNum", "3", path.c_str())) << fault;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WRITE_FAULT)) << fault;
        EXPECT_EQ(machine.ReadFile(path), before) << fault;
        EXPECT_EQ(Names("C:\\Host"), names) << fault;
    }
    for (size_t space = 0; space < after.size(); ++space) {
        machine.WriteFile(path, before);
        SimMachineSetWriteFault(0, space);
        EXPECT_FALSE(WritePrivateProfileStringA("Names", "SettingNum", "3", path.c_str())) << space;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL)) << space;
        EXPECT_EQ(machine.ReadFile(path), before) << space;
        EXPECT_EQ(Names("C:\\Host"), names) << space;
    }
    SimMachineSetWriteFault(0, after.size());
    EXPECT_TRUE(WritePrivateProfileStringA("Names", "SettingNum", "3", path.c_str()));
    EXPECT_EQ(machine.ReadFile(path), after);
}

TEST_F(SimWriteFaultTest, AFolderTheUserMayNotChangeRefusesNewEntries)
{
    machine.WriteFile("C:\\Locked\\cat.ini", "[S]\r\nk=1\r\n");
    const std::string host = machine.HostPath("C:\\Locked");
    ASSERT_EQ(::chmod(host.c_str(), 0555), 0);
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "2", "C:\\Locked\\cat.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "2", "C:\\Locked\\new.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Create("C:\\Locked\\new.bin"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(DeleteFileA("C:\\Locked\\cat.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(machine.ReadFile("C:\\Locked\\cat.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(Names("C:\\Locked"), std::vector<std::string>{"cat.ini"});
    ::chmod(host.c_str(), 0755);
}

TEST_F(SimWriteFaultTest, ACopyThatFailsLeavesTheOldDestinationWhole)
{
    machine.RemoveLibraries();  // the folder is listed below
    machine.WriteFile("C:\\Host\\new.ini", "[S]\r\nk=new value\r\n");
    machine.WriteFile("C:\\Host\\old.ini", "[S]\r\nk=old\r\n");
    // Each of the copy's three writes in turn, then a disk that fills up part-way.
    for (DWORD failing = 1; failing <= 3; ++failing) {
        SimMachineSetWriteFault(failing, SIM_DISK_UNLIMITED);
        EXPECT_FALSE(CopyFileA("C:\\Host\\new.ini", "C:\\Host\\old.ini", FALSE)) << failing;
        EXPECT_EQ(machine.ReadFile("C:\\Host\\old.ini"), "[S]\r\nk=old\r\n") << failing;
    }
    SimMachineSetWriteFault(0, 4);
    EXPECT_FALSE(CopyFileA("C:\\Host\\new.ini", "C:\\Host\\old.ini", FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\old.ini"), "[S]\r\nk=old\r\n");
    EXPECT_EQ(Names("C:\\Host"), (std::vector<std::string>{"keep", "new.ini", "old.ini"}));

    SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
    EXPECT_TRUE(CopyFileA("C:\\Host\\new.ini", "C:\\Host\\old.ini", FALSE));
    EXPECT_EQ(machine.ReadFile("C:\\Host\\old.ini"), "[S]\r\nk=new value\r\n");
}

}  // namespace
