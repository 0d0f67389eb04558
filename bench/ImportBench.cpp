// The settings tool importing a full setting file: 30 colour and 30 gamma settings with
// 228-byte tables and their data files, into an empty catalogue of a raw model.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "CSettingsTool.h"
#include "color/CColorData.h"
#include "gamma/CGammaData.h"
#include "storage/CFileAcc.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

namespace {

const char settingFolder[] = "C:\\Exchange\\House\\";

std::string Table(int id, int salt)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < 228; ++i) {
        const int byte = (i * 31 + id * 7 + salt) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

std::string Section(const std::string& kind, int count, int salt)
{
    std::string text = "[" + kind + "]\r\nSettingNum=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) text += "SettingID" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    for (int id = 0; id < count; ++id) {
        const std::string n = std::to_string(id);
        const std::string name = kind + " house " + n;
        text += "SettingName" + n + "=" + name + "\r\n";
        if (kind == "Gamma") text += name + "=1\r\n";
        text += "CCMNT" + n + "=" + Table(id, salt) + "\r\nCCMNV" + n + "=" + Table(id, salt + 1) + "\r\n";
    }
    return text;
}

void BM_ImportSixtySettings(benchmark::State& state)
{
    SimMachine machine;
    const SimPrinterModel model = SimPrinterModel::Raw330();
    model.Install(machine);
    // Marked as the utility leaves it, so that its local copy counts as restored.
    const std::string empty = "[Config]\r\nUpDate=1\r\n" + machine.ReadFile(model.CatalogPath());
    machine.WriteFile(model.CatalogPath(), empty);
    machine.WriteFile(std::string(settingFolder) + "House.ccm",
                      "[Config]\r\nUpDate=1\r\n" + Section("Color", 30, 1) + Section("Gamma", 30, 5));
    CColorData colour;
    CGammaData gamma;
    CFileAcc files;
    for (int id = 0; id < 30; ++id) {
        files.SaveObject(settingFolder, "UCD" + std::to_string(id) + ".dat", &colour);
        files.SaveObject(settingFolder, "UGD" + std::to_string(id) + ".dat", &gamma);
    }
    const std::vector<std::string> command = {"import", model.printer, std::string(settingFolder) + "House.ccm"};
    for (auto _ : state) {
        std::ostringstream out, messages;
        const int status = CSettingsTool(out, messages).Run(command);
        state.PauseTiming();
        machine.WriteFile(model.CatalogPath(), empty);
        machine.WriteFile(model.LocalCatalogPath(), empty);
        state.ResumeTiming();
        if (status != CSettingsTool::exitDone) {
            state.SkipWithError(("import failed: " + messages.str()).c_str());
            break;
        }
    }
}
BENCHMARK(BM_ImportSixtySettings)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
