// A raw test print as the colour page sends it: the colour-appearance download with two
// 228-byte tables, then a 1 MiB printer file, through the simulated spooler into its job record.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "printer/CPrint.h"
#include "support/SimMachine.h"

namespace {

const char kPrinter[] = "Bench Raw Printer";
const char kPrintFile[] = "C:\\Host\\Tintora\\Bench Raw Printer\\test.prn";

void BM_RawTestPrint1MiB(benchmark::State& state)
{
    SimMachine machine;
    SimDriver driver;
    driver.name = "Bench Raw Driver";
    driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\BENCHRAW.DLL";
    machine.AddDriver(driver);
    SimPrinter printer;
    printer.name = kPrinter;
    printer.driver = driver.name;
    machine.AddPrinter(printer);
    machine.Apply();
    machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini", "[CCMVer3.31]\r\nModule=TV331.DLL\r\nDataSize=H000000E4\r\n");
    std::string file(1 << 20, '\0');
    for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<char>(i * 31 + (i >> 12));
    machine.WriteFile(kPrintFile, file);
    std::vector<BYTE> t(228, 0x11);
    std::vector<BYTE> v(228, 0x22);

    CPrint print;
    print.SetPrinterName(kPrinter);
    for (auto _ : state) {
        print.SendRawJob("3.31", kPrintFile, t.data(), v.data(), 228);
        state.PauseTiming();
        machine.ClearJobs();  // keeps the spool folder from filling the disk
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_RawTestPrint1MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
