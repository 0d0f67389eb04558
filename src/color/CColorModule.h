// The colour-balance side of the printer-model module library: defaults and ranges of the 40
// patches, and the T and V tables of a setting, through the "PCA_" calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "color/CColorData.h"
#include "platform/win32api.h"

// The block exchanged with the "PCA_" calls; its layout is fixed by the library boundary.
struct CCMPARAM {
    struct Value {
        int32_t x;
        int32_t y;
    };
    struct Range {
        int32_t xFirst;
        int32_t xLast;
        int32_t yFirst;
        int32_t yLast;
    };

    int32_t mode;
    Value value[CColorData::patchCount];
    Range range[CColorData::patchCount];
    int32_t changed[CColorData::patchCount];
};

static_assert(sizeof(CCMPARAM) == 1124);
static_assert(offsetof(CCMPARAM, mode) == 0);
static_assert(offsetof(CCMPARAM, value) == 4);
static_assert(offsetof(CCMPARAM, range) == 324);
static_assert(offsetof(CCMPARAM, changed) == 964);
static_assert(sizeof(CCMPARAM::Value) == 8 && sizeof(CCMPARAM::Range) == 16);

class CColorModule {
public:
    // Loads the library named by the version's "Module" value; a failure shows at the first call.
    explicit CColorModule(const std::string& ccmVersion);
    virtual ~CColorModule();
    CColorModule(const CColorModule&) = delete;
    CColorModule& operator=(const CColorModule&) = delete;

    // The module's defaults and ranges, through the wrapper's own block / a block of its own.
    void LoadDefaults(CColorData& out, int mode);
    void GetDefaults(CColorData& out, int mode);
    // The setting's values, each flagged changed when it differs from the module default.
    void SetColorData(const CColorData& data, int mode);
    int GetCCMSize();
    // Both tables hold at least GetCCMSize() bytes (see CCcmTables).
    void AdjustCCM(int flag, BYTE* tableT, BYTE* tableV);

    const CCMPARAM& GetParam() const { return m_param; }

private:
    using DefaultFn = int (*)(CCMPARAM*);
    using AdjustFn = int (*)(BYTE*, BYTE*, CCMPARAM*, int*, int);

    // Looked up at every call; throws CmyException IDS_ERR_MODULE_FAILED when the library or
    // export is missing.
    DefaultFn DefaultFunction() const;
    AdjustFn AdjustFunction() const;
    static void CopyDefaults(const CCMPARAM& block, CColorData& out);

    HMODULE m_module;
    CCMPARAM m_param;
};
