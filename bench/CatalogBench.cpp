// The setting catalogue at its full size: 60 settings with 228-byte tables (456 hex digits),
// their profile keys, on a simulated machine.
#include <benchmark/benchmark.h>

#include <string>

#include "support/SimMachine.h"
#include "storage/CCtrlMng.h"

namespace {

const char catalogFile[] = "C:\\Drivers\\TVCCM.INI";

std::string Table(int id, int salt)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < 228; ++i) {
        int byte = (i * 31 + id * 7 + salt) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

// count settings of one section, listed with identifiers in order, with tables and profiles.
std::string Section(const std::string& name, int count)
{
    const std::string letter = name == "Color" ? "C" : "G";
    std::string text = "[" + name + "]\r\nSettingNum=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        text += "SettingID" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    for (int id = 0; id < count; ++id) {
        std::string n = std::to_string(id);
        text += "SettingName" + n + "=" + name + " setting " + n + "\r\n";
        text += "CCMNT" + n + "=" + Table(id, 1) + "\r\n";
        text += "CCMNV" + n + "=" + Table(id, 2) + "\r\n";
        for (const char* r : {"01", "02", "03"}) {
            std::string file = std::string(r) + letter + n + ".ICB";
            text += file + "=C:\\Windows\\System32\\spool\\drivers\\x64\\3\\Tav Driver\\" + file + "\r\n";
        }
    }
    return text;
}

CCtrlMng Colour()
{
    CCtrlMng catalog;
    catalog.SetFile(catalogFile, 1);
    return catalog;
}

void BM_GetSettingNames(benchmark::State& state)
{
    SimMachine machine;
    machine.WriteFile(catalogFile, Section("Color", 60) + "[Config]\r\nUpDate=1\r\n");
    CCtrlMng catalog = Colour();
    for (auto _ : state) {
        CmyStringArray names = catalog.GetSettingNames();
        benchmark::DoNotOptimize(names);
        if (names.GetSize() != 60) {
            state.SkipWithError("wrong number of names");
            break;
        }
    }
}
BENCHMARK(BM_GetSettingNames)->Unit(benchmark::kMicrosecond);

void BM_AddSettingAt59(benchmark::State& state)
{
    SimMachine machine;
    const std::string full = Section("Color", 30) + Section("Gamma", 29);
    machine.WriteFile(catalogFile, full);
    CCtrlMng catalog;
    catalog.SetFile(catalogFile, 2);
    for (auto _ : state) {
        std::string file = catalog.AddSetting("New setting");
        benchmark::DoNotOptimize(file);
        state.PauseTiming();
        machine.WriteFile(catalogFile, full);
        state.ResumeTiming();
        if (file != "UGD29.dat") {
            state.SkipWithError("unexpected data file");
            break;
        }
    }
}
BENCHMARK(BM_AddSettingAt59)->Unit(benchmark::kMicrosecond);

void BM_DeleteFirstOf60(benchmark::State& state)
{
    SimMachine machine;
    const std::string full = Section("Color", 60);
    machine.WriteFile(catalogFile, full);
    CCtrlMng catalog = Colour();
    for (auto _ : state) {
        BOOL deleted = catalog.DeleteSetting("Color setting 0");
        benchmark::DoNotOptimize(deleted);
        state.PauseTiming();
        machine.WriteFile(catalogFile, full);
        state.ResumeTiming();
        if (!deleted) {
            state.SkipWithError("delete failed");
            break;
        }
    }
}
BENCHMARK(BM_DeleteFirstOf60)->Unit(benchmark::kMicrosecond);

void BM_GetTablesOfTheLast(benchmark::State& state)
{
    SimMachine machine;
    machine.WriteFile(catalogFile, Section("Color", 60));
    CCtrlMng catalog = Colour();
    std::string t, v;
    for (auto _ : state) {
        catalog.GetTables("Color setting 59", t, v);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(v);
        if (t.size() != 456 || v.size() != 456) {
            state.SkipWithError("tables not read whole");
            break;
        }
    }
}
BENCHMARK(BM_GetTablesOfTheLast)->Unit(benchmark::kMicrosecond);

}  // namespace
