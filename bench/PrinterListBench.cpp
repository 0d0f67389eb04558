// The supported-printer list as the driver page builds it (GetPrinterList, then IsSupported for
// every listed name), and the whole wizard sheet built around it, on a machine with many printers.
#include <benchmark/benchmark.h>

#include <string>

#include "launch/CMainSheet.h"
#include "printer/CPrint.h"
#include "support/SimMachine.h"

namespace {

const char kFolder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";

// Ten drivers: six supported, two on a version without a module, two without a capability file.
// Printers are spread over them; every fifth one is a network connection.
void BuildMachine(SimMachine& machine, int printers) {
    machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini",
                      "[Manufacture]\r\nFileHeader=TV\r\n[CCMVer10]\r\nModule=TVCM10.DLL\r\n"
                      "[CCMVer20]\r\nIccModule=TVICC20.DLL\r\n");
    for (int d = 0; d < 10; ++d) {
        SimDriver driver;
        driver.name = "Bench Driver " + std::to_string(d);
        driver.driverPath = std::string(kFolder) + "bench" + std::to_string(d) + ".dll";
        driver.dependentFiles = {"bench" + std::to_string(d) + ".gpd", "bench.hlp"};
        if (d < 8) {
            std::string cap = "TVBENCH" + std::to_string(d) + ".CAP";
            driver.dependentFiles.push_back(cap);
            std::string version = d < 6 ? "10" : "20";
            machine.WriteFile(std::string(kFolder) + cap,
                              "[Capability]\r\nOther Driver=Other\r\n" + driver.name +
                                  "=Model\r\n[Model]\r\nCCMInfoFile=TVINFO.INI\r\nCCMVersion=" +
                                  version + "\r\n");
        }
        machine.AddDriver(driver);
    }
    for (int p = 0; p < printers; ++p) {
        SimPrinter printer;
        printer.name = "Bench Printer " + std::to_string(p);
        printer.driver = "Bench Driver " + std::to_string(p % 10);
        if (p % 5 == 4) {
            printer.server = "\\\\SERVER";
            printer.attributes = 0x10;
        }
        machine.AddPrinter(printer);
    }
    machine.Apply();
}

void BM_SupportedPrinterList(benchmark::State& state) {
    SimMachine machine;
    BuildMachine(machine, static_cast<int>(state.range(0)));
    int supported = 0;
    for (auto _ : state) {
        CPrint print;
        CmyStringArray names;
        print.GetPrinterList(names);
        supported = 0;
        for (const std::string& name : names) supported += print.IsSupported(name);
        benchmark::DoNotOptimize(supported);
    }
    state.counters["supported"] = supported;
}

// Building the sheet: language libraries, every page, the help path and the driver page's
// supported-printer list; then the count the entry point asks for.
void BM_BuildMainSheet(benchmark::State& state) {
    SimMachine machine;
    BuildMachine(machine, static_cast<int>(state.range(0)));
    int supported = 0;
    for (auto _ : state) {
        CMainSheet sheet;
        supported = sheet.GetSupportedPrinterCount();
        benchmark::DoNotOptimize(supported);
    }
    state.counters["supported"] = supported;
}

}  // namespace

BENCHMARK(BM_BuildMainSheet)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SupportedPrinterList)->Arg(100)->Unit(benchmark::kMillisecond);
