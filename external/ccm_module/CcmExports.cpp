// The five calls of the printer-model module: "PCA_" for colour-balance settings, "MCA_" for
// gamma settings. Results: 0 done, -1 refused (callers do not look at them).
#include <cstdint>
#include <cstring>

#include "ccm_module/ModuleBlocks.h"
#include "ccm_module/PatchDefaults.h"
#include "ccm_module/TableMaker.h"
#include "ccm_module/ZoneDefaults.h"

#ifdef _WIN32
#define CCM_EXPORT extern "C" __declspec(dllexport)
#else
#define CCM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int kDone = 0;
constexpr int kRefused = -1;

// Size query with two null tables; otherwise both tables of *size bytes are written (a caller
// that offers fewer bytes than the table size gets only that many).
template <typename Block, typename Maker>
int Adjust(uint8_t* t, uint8_t* v, const Block* block, int* size, int flag, Maker make)
{
    if (size == nullptr) {
        return kRefused;
    }
    if (t == nullptr && v == nullptr) {
        *size = ccm::kTableSize;
        return kDone;
    }
    if (t == nullptr || v == nullptr || block == nullptr || *size <= 0) {
        return kRefused;
    }
    const int n = *size < ccm::kTableSize ? *size : ccm::kTableSize;
    uint8_t priorT[ccm::kTableSize] = {};
    uint8_t priorV[ccm::kTableSize] = {};
    std::memcpy(priorT, t, n);
    std::memcpy(priorV, v, n);
    uint8_t newT[ccm::kTableSize];
    uint8_t newV[ccm::kTableSize];
    make(*block, flag, priorT, priorV, newT, newV);
    std::memcpy(t, newT, n);
    std::memcpy(v, newV, n);
    return kDone;
}

}  // namespace

CCM_EXPORT int PCA_GetDefaultPARAM(ccm::ColourBlock* block)
{
    if (block == nullptr) {
        return kRefused;
    }
    for (int i = 0; i < ccm::kPatchCount; ++i) {
        const ccm::PatchDefault d = ccm::DefaultPatch(block->mode, i);
        block->value[i] = d.value;
        block->range[i] = d.range;
    }
    return kDone;
}

CCM_EXPORT int PCA_AdjustCCMPARAM(uint8_t* t, uint8_t* v, ccm::ColourBlock* block, int* size, int flag)
{
    return Adjust(t, v, block, size, flag, ccm::MakeColourTables);
}

CCM_EXPORT int MCA_GetDefaultPARAM(ccm::CoreBlock* block)
{
    if (block == nullptr) {
        return kRefused;
    }
    *block = ccm::DefaultCore(block->mode);
    return kDone;
}

CCM_EXPORT int MCA_GetPrinterHUE(ccm::CoreBlock* block)
{
    if (block == nullptr) {
        return kRefused;
    }
    for (int z = 0; z < ccm::kZoneCount; ++z) {
        if (block->zone[z].hueFromPrinter == 1) {
            block->zone[z].hue = ccm::PrinterHue(z);
        }
    }
    return kDone;
}

CCM_EXPORT int MCA_AdjustCCMPARAM(uint8_t* t, uint8_t* v, ccm::CoreBlock* block, int* size, int flag)
{
    return Adjust(t, v, block, size, flag, ccm::MakeCoreTables);
}
