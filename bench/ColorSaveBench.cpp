// A colour save on an "EMF" model as the save page makes it: the tables through the module
// into the driver catalogue and its local copy, the profile keys in both and in a second
// driver folder's catalogue, and the three profiles built through the progress dialog.
// BM_ColorSaveEmf saves the same setting again; BM_ColorSaveEmfChanged changes a patch
// before each save, so tables, data file and profiles are new every time.
#include <benchmark/benchmark.h>

#include <string>

#include "color/CColorDataMng.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

namespace {

void SaveColourEmf(benchmark::State& state, bool changeEachTime)
{
    SimMachine machine;
    SimPrinterModel model = SimPrinterModel::Emf();
    std::string catalog = "[Color]\r\nSettingNum=30\r\n";
    for (int id = 0; id < 30; ++id) {
        catalog += "SettingID" + std::to_string(id) + "=" + std::to_string(id) + "\r\nSettingName" +
                   std::to_string(id) + "=Setting " + std::to_string(id) + "\r\n";
    }
    model.Install(machine, catalog + "[Gamma]\r\nSettingNum=0\r\n");
    CUtilityInfo info = model.Info();
    const std::string other = "C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\2\\";
    info.driverFolders.Add(other);
    machine.WriteFile(other + model.catalogFile, machine.ReadFile(model.CatalogPath()));

    CColorDataMng colour;
    colour.SetUtilityInfo(info);
    colour.LoadDefaultData();
    colour.UseDefaults();
    colour.GetCurrent().SetValue(5, 12, 3, 1);
    int x = 12;
    for (auto _ : state) {
        if (changeEachTime) colour.GetCurrent().SetValue(5, x = 25 - x, 3, 1);
        if (colour.SaveCCM("Setting 17", 0, "") != 1) state.SkipWithError("save failed");
    }
}

void BM_ColorSaveEmf(benchmark::State& state)
{
    SaveColourEmf(state, false);
}
BENCHMARK(BM_ColorSaveEmf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ColorSaveEmfChanged(benchmark::State& state)
{
    SaveColourEmf(state, true);
}
BENCHMARK(BM_ColorSaveEmfChanged)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
