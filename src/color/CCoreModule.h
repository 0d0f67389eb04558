// The gamma side of the printer-model module library: defaults per mode, the printer's own
// hues, and the T and V tables of a gamma setting, through the "MCA_" calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gamma/CGammaData.h"
#include "platform/win32api.h"

// The block exchanged with the "MCA_" calls; its layout is fixed by the library boundary.
struct COREPARAM {
    struct Zone {
        int32_t hue;
        int32_t hueFromPrinter;
    };

    int32_t mode;
    int32_t gamma[3];  // gamma × 100, the same in all three
    Zone zone[CGammaData::zoneCount];
    int32_t level[CGammaData::zoneCount];
};

static_assert(sizeof(COREPARAM) == 88);
static_assert(offsetof(COREPARAM, mode) == 0);
static_assert(offsetof(COREPARAM, gamma) == 4);
static_assert(offsetof(COREPARAM, zone) == 16);
static_assert(offsetof(COREPARAM, level) == 64);
static_assert(sizeof(COREPARAM::Zone) == 8);

class CCoreModule {
public:
    // Loads the library named by the version's "Module" value; a failure shows at the first call.
    explicit CCoreModule(const std::string& ccmVersion);
    virtual ~CCoreModule();
    CCoreModule(const CCoreModule&) = delete;
    CCoreModule& operator=(const CCoreModule&) = delete;

    const COREPARAM& GetDefaults(int mode);
    // The printer's own hue of zone 0 … 5 (0 for another zone, nothing asked).
    int GetPrinterHue(int zone);
    void SetGammaData(const CGammaData& data, int mode);
    int GetCCMSize();
    // Both tables hold at least GetCCMSize() bytes (see CCcmTables).
    void AdjustCCM(int flag, BYTE* tableT, BYTE* tableV);

    const COREPARAM& GetParam() const { return m_param; }

    // gamma × 100 to the nearest integer; 0 for a value that is not a number.
    static int32_t GammaToModule(double gamma);

private:
    using BlockFn = int (*)(COREPARAM*);
    using AdjustFn = int (*)(BYTE*, BYTE*, COREPARAM*, int*, int);

    // Looked up at every call; throws CmyException IDS_ERR_MODULE_FAILED when the library or
    // export is missing.
    BlockFn BlockFunction(const char* name) const;
    AdjustFn AdjustFunction() const;

    COREPARAM m_param;
    HMODULE m_module;
};
