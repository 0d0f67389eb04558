// The recording module: every export records what it received, then answers from the
// patterns of RecordingApi.h.
#include <algorithm>
#include <cstring>
#include <vector>

#include "modules/recording/RecordingApi.h"

#ifdef _WIN32
#define REC_EXPORT extern "C" __declspec(dllexport)
#else
#define REC_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int kColourBlock = 1124;
constexpr int kCoreBlock = 88;
constexpr int kRequest = 24;
constexpr int kProfileFailed = 1;

struct State {
    std::vector<recording::Call> calls;
    int tableSize = recording::kDefaultTableSize;
    int profileResult = 0;
    int profileTableBytes = recording::kDefaultTableSize;
};

State& Recorded()
{
    static State state;
    return state;
}

recording::Call& Begin(const char* function, const void* block, int blockBytes)
{
    recording::Call call{};
    std::strncpy(call.function, function, sizeof call.function - 1);
    if (block) {
        call.blockBytes = blockBytes;
        std::memcpy(call.block, block, blockBytes);
    }
    call.sizeIn = -1;
    Recorded().calls.push_back(call);
    return Recorded().calls.back();
}

int32_t* Int(void* block, int offset)
{
    return reinterpret_cast<int32_t*>(static_cast<uint8_t*>(block) + offset);
}

int Adjust(const char* function, uint8_t* t, uint8_t* v, void* block, int blockBytes, int* size, int flag)
{
    recording::Call& call = Begin(function, block, blockBytes);
    call.firstNull = t == nullptr;
    call.secondNull = v == nullptr;
    call.flag = flag;
    if (size == nullptr) return -1;
    call.sizeIn = *size;
    if (t == nullptr && v == nullptr) {
        *size = Recorded().tableSize;
        return 0;
    }
    if (t == nullptr || v == nullptr) return -1;
    call.tableBytes = std::clamp(*size, 0, recording::kMaxTable);
    std::memcpy(call.tableT, t, call.tableBytes);
    std::memcpy(call.tableV, v, call.tableBytes);
    // Writes exactly *size bytes, as a module does: a buffer that is too short overflows here.
    for (int k = 0; k < *size; ++k) {
        t[k] = recording::TByte(k);
        v[k] = recording::VByte(k);
    }
    return 0;
}

}  // namespace

REC_EXPORT void REC_Reset()
{
    Recorded() = State{};
}

REC_EXPORT int REC_CallCount()
{
    return static_cast<int>(Recorded().calls.size());
}

REC_EXPORT int REC_GetCall(int index, recording::Call* out)
{
    if (index < 0 || index >= REC_CallCount() || out == nullptr) return 0;
    *out = Recorded().calls[index];
    return 1;
}

REC_EXPORT void REC_SetTableSize(int size)
{
    Recorded().tableSize = size;
}

REC_EXPORT void REC_SetProfileResult(int result)
{
    Recorded().profileResult = result;
}

REC_EXPORT void REC_SetProfileTableBytes(int bytes)
{
    Recorded().profileTableBytes = std::clamp(bytes, 0, recording::kMaxTable);
}

REC_EXPORT int PCA_GetDefaultPARAM(void* block)
{
    Begin("PCA_GetDefaultPARAM", block, kColourBlock);
    if (!block) return -1;
    const int32_t mode = *Int(block, 0);
    for (int i = 0; i < 40; ++i) {
        *Int(block, 4 + 8 * i) = recording::DefaultX(mode, i);
        *Int(block, 8 + 8 * i) = recording::DefaultY(mode, i);
        for (int f = 0; f < 4; ++f) *Int(block, 324 + 16 * i + 4 * f) = recording::DefaultRange(i, f);
    }
    return 0;
}

REC_EXPORT int PCA_AdjustCCMPARAM(uint8_t* t, uint8_t* v, void* block, int* size, int flag)
{
    return Adjust("PCA_AdjustCCMPARAM", t, v, block, kColourBlock, size, flag);
}

REC_EXPORT int MCA_GetDefaultPARAM(void* block)
{
    Begin("MCA_GetDefaultPARAM", block, kCoreBlock);
    if (!block) return -1;
    const int32_t mode = *Int(block, 0);
    for (int c = 0; c < 3; ++c) *Int(block, 4 + 4 * c) = recording::DefaultGamma(mode);
    for (int z = 0; z < 6; ++z) {
        *Int(block, 16 + 8 * z) = recording::DefaultHue(mode, z);
        *Int(block, 20 + 8 * z) = recording::DefaultHueFromPrinter(z);
        *Int(block, 64 + 4 * z) = recording::DefaultLevel(mode, z);
    }
    return 0;
}

REC_EXPORT int MCA_GetPrinterHUE(void* block)
{
    Begin("MCA_GetPrinterHUE", block, kCoreBlock);
    if (!block) return -1;
    for (int z = 0; z < 6; ++z) {
        if (*Int(block, 20 + 8 * z) == 1) *Int(block, 16 + 8 * z) = recording::PrinterHue(z);
    }
    return 0;
}

REC_EXPORT int MCA_AdjustCCMPARAM(uint8_t* t, uint8_t* v, void* block, int* size, int flag)
{
    return Adjust("MCA_AdjustCCMPARAM", t, v, block, kCoreBlock, size, flag);
}

REC_EXPORT int MPCA_GetCustomProfile(uint8_t* buffer, void* request, uint32_t* size)
{
    recording::Call& call = Begin("MPCA_GetCustomProfile", request, kRequest);
    call.firstNull = buffer == nullptr;
    if (request == nullptr || size == nullptr) return kProfileFailed;
    call.sizeIn = static_cast<int32_t>(*size);
    const uint8_t* table = nullptr;
    std::memcpy(&table, static_cast<uint8_t*>(request) + 16, sizeof table);
    if (table == nullptr) return kProfileFailed;
    call.tableBytes = Recorded().profileTableBytes;
    std::memcpy(call.tableT, table, call.tableBytes);

    const std::string profile = recording::Profile(*Int(request, 4), *Int(request, 8), table);
    if (buffer == nullptr) {
        *size = static_cast<uint32_t>(profile.size());
        return 0;
    }
    if (Recorded().profileResult == kProfileFailed) return kProfileFailed;
    if (*size < profile.size()) return kProfileFailed;
    std::memcpy(buffer, profile.data(), profile.size());
    return Recorded().profileResult;
}
