// OS classification and the administrator check on simulated machines.
#include <gtest/gtest.h>

#include <string>

#include "launch/LaunchChecks.h"
#include "platform/posix/Simulation.h"
#include "platform/win32api.h"
#include "support/SimMachine.h"

namespace {

struct VersionCase {
    int platform;
    int major;
    int build;
    const char* servicePack;
    DWORD expected;
};

class LaunchChecksSimTest : public ::testing::Test {
protected:
    void SetVersion(int platform, int major, int build, const std::string& servicePack = "")
    {
        machine.Set("OsVersion", "PlatformId", std::to_string(platform));
        machine.Set("OsVersion", "MajorVersion", std::to_string(major));
        machine.Set("OsVersion", "BuildNumber", std::to_string(build));
        machine.Set("OsVersion", "CSDVersion", servicePack);
        machine.Apply();
    }
    void SetAdministrator(bool yes)
    {
        machine.Set("Machine", "Administrator", yes ? "1" : "0");
        machine.Apply();
    }

    SimMachine machine;
};

TEST_F(LaunchChecksSimTest, ClassifiesEveryReleaseOfTheTable)
{
    const VersionCase cases[] = {
        {0, 3, 0, "", 0x01010000},
        {1, 4, 950, "", 0x02020001},
        {1, 4, 1111, "", 0x02020003},
        {1, 4, 1212, "", 0x02020004},
        {1, 4, 1998, "", 0x02030005},
        {1, 4, 2222, "", 0x02030006},
        {1, 4, 3000, "", 0x02030007},
        {1, 4, 1000, "", 0x02000000},
        {1, 4, 0x040A0000 + 1998, "", 0x02030005},  // the high word of the build is ignored
        {2, 5, 2195, "", 0x03060000},
        {2, 5, 2600, "", 0x03070000},
        {2, 3, 1381, "", 0x03040000},
        {2, 4, 1381, "Service Pack 1", 0x03050008},
        {2, 4, 1381, "Service Pack 6", 0x0305000D},
        {2, 4, 1381, "Service Pack 7", 0x03050000},
        {2, 4, 1381, "", 0x03050000},
        {2, 5, 1381, "Service Pack 1", 0x03000000},
        {2, 10, 19041, "", 0x03000000},
        {3, 10, 19041, "", 0},
    };
    for (const VersionCase& c : cases) {
        SetVersion(c.platform, c.major, c.build, c.servicePack);
        EXPECT_EQ(GetOsClassCode(), c.expected)
            << "platform " << c.platform << " major " << c.major << " build " << c.build << " '" << c.servicePack << "'";
    }
}

TEST_F(LaunchChecksSimTest, FailedVersionQueryClassifiesAsZeroAndSkipsTheCheck)
{
    // A record of the wrong size makes the real query fail.
    VersionQuery failing = [](LPOSVERSIONINFOA info) {
        info->dwOSVersionInfoSize = 20;
        return GetVersionExA(info);
    };
    SetAdministrator(false);
    EXPECT_EQ(GetOsClassCode(failing), 0u);
    EXPECT_EQ(CheckAdministrator(failing), -1);
}

TEST_F(LaunchChecksSimTest, AdministratorOfTheNtFamily)
{
    EXPECT_EQ(CheckAdministrator(), 544);
    SetAdministrator(false);
    EXPECT_FALSE(IsAdministratorAccessGranted());
    EXPECT_EQ(CheckAdministrator(), 545);
}

TEST_F(LaunchChecksSimTest, OtherFamiliesAreNotChecked)
{
    SetAdministrator(false);
    SetVersion(1, 4, 1998);
    EXPECT_EQ(CheckAdministrator(), -1);
    EXPECT_EQ(QueryPlatformId(), 1u);
    SetVersion(0, 3, 0);
    EXPECT_EQ(CheckAdministrator(), -1);
}

TEST_F(LaunchChecksSimTest, TheAccessTestReleasesEverythingItObtained)
{
    DWORD before = SimMachineSecurityObjects();
    EXPECT_EQ(CheckAdministrator(), 544);
    SetAdministrator(false);
    EXPECT_EQ(CheckAdministrator(), 545);
    EXPECT_EQ(SimMachineSecurityObjects(), before);
}

}  // namespace
