// Every operation that changes stored settings, with the process ending after each of its
// writes in turn, as at a power loss ([Faults] StopAfterWrite, in a child process), and the
// utility started again on what it left: the files are the old ones or the new ones as a whole
// (so settings the operation did not touch are byte for byte as before), every listed setting
// has both tables and its data file, and no work file is left.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "color/CColorDataMng.h"
#include "platform/posix/Simulation.h"
#include "sim/SettingSweep.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"

namespace {

using namespace sweep;

constexpr int stoppedExit = 3;

class CrashSweep : public ::testing::Test {
protected:
    // op on a fresh machine, in a child process stopped after its stopAfter-th write (0: in
    // this process, to its end, counting its writes). The files once a data manager was used
    // again; exitCode is the child's.
    static Files Run(const sweep::Setup& setup, const Operation& op, DWORD stopAfter, int& exitCode, DWORD* writes = nullptr)
    {
        SimMachine machine;
        const SimPrinterModel model = SimPrinterModel::Emf();
        CUtilityInfo info = LayOut(machine, model, setup);
        if (stopAfter == 0) {
            MessageBoxRecorder boxes;
            SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
            op(machine, model, info, boxes);
            if (writes != nullptr) *writes = SimMachineWriteCount();
        } else {
            std::fflush(nullptr);
            const pid_t child = ::fork();
            if (child == 0) {
                MessageBoxRecorder boxes;
                SimMachineSetWriteFault(0, SIM_DISK_UNLIMITED);
                SimMachineSetWriteStop(stopAfter);
                op(machine, model, info, boxes);
                ::_exit(0);
            }
            int status = 0;
            exitCode = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        // The next start: any use of a data manager repairs first.
        CColorDataMng colour;
        colour.SetUtilityInfo(model.Info());
        ExpectEveryListedSettingWhole(info);
        return Snapshot(machine);
    }

    static void ExpectEveryListedSettingWhole(const CUtilityInfo& info)
    {
        for (int kind : {kColour, kGamma}) {
            CCtrlMng catalog;
            catalog.SetFile(info.driverCatalogPath, kind);
            const CmyStringArray names = catalog.GetSettingNames();
            for (int i = 0; i < names.GetSize(); ++i) {
                std::string t, v;
                catalog.GetTables(names.GetAt(i), t, v);
                EXPECT_FALSE(t.empty() || v.empty()) << names.GetAt(i);
                const std::string file = catalog.GetDataFileName(names.GetAt(i));
                EXPECT_NE(::GetFileAttributesA(CFileAcc().GetDataPath(file, info.driverName).c_str()),
                          INVALID_FILE_ATTRIBUTES)
                    << names.GetAt(i) << " " << file;
            }
        }
    }

    static void ExpectNoWorkFiles(const Files& files)
    {
        for (const auto& [path, bytes] : files) {
            EXPECT_EQ(path.find(".stage"), std::string::npos) << path;
            EXPECT_EQ(path.find(".~new"), std::string::npos) << path;
            EXPECT_EQ(path.find("Transaction.jnl"), std::string::npos) << path;
            EXPECT_FALSE(path.size() >= 4 && path.compare(path.size() - 4, 4, ".new") == 0) << path;
        }
    }

    // Stops op after each of its writes; returns the number of stops tried.
    static int Sweep(const sweep::Setup& setup, const Operation& op)
    {
        int exitCode = 0;
        const Files before = Kept(Run(setup, [](SimMachine&, const SimPrinterModel&, CUtilityInfo&,
                                                MessageBoxRecorder&) {}, 0, exitCode));
        DWORD writes = 0;
        const Files after = Kept(Run(setup, op, 0, exitCode, &writes));
        EXPECT_NE(after, before) << "the operation changed nothing";
        EXPECT_GT(writes, 0u);
        int tried = 0;
        for (DWORD stop = 1; stop <= writes; ++stop, ++tried) {
            SCOPED_TRACE("stopped after write " + std::to_string(stop) + " of " + std::to_string(writes));
            const Files left = Run(setup, op, stop, exitCode);
            EXPECT_EQ(exitCode, stoppedExit);
            const Files kept = Kept(left);
            EXPECT_TRUE(kept == before || kept == after) << "neither the old files nor the new ones";
            ExpectNoWorkFiles(left);
            if (::testing::Test::HasFailure()) break;  // one position's report is enough
        }
        std::printf("[ crashes  ] %d stops tried\n", tried);
        return tried;
    }
};

TEST_F(CrashSweep, AColourSaveUnderANewName)
{
    EXPECT_GT(Sweep({}, SaveNewColour), 20);
}

TEST_F(CrashSweep, AColourSaveOverAStoredSetting)
{
    EXPECT_GT(Sweep({}, OverwriteColour), 20);
}

TEST_F(CrashSweep, AGammaSaveOverAStoredSetting)
{
    EXPECT_GT(Sweep({}, OverwriteGamma), 20);
}

TEST_F(CrashSweep, AnImportOfTwoSettings)
{
    EXPECT_GT(Sweep(PutTwoSettingFile, ImportTwo), 20);
}

TEST_F(CrashSweep, ADeletion)
{
    EXPECT_GT(Sweep({}, DeleteSoft), 10);
}

TEST_F(CrashSweep, ACatalogueRestore)
{
    EXPECT_GT(Sweep(FreshDriverCatalog, Restore), 3);
}

}  // namespace
