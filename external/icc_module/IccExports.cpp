// The ICC module's one call. With a null buffer it stores the profile's size; with a buffer of
// at least that size it writes the profile. Returns 1 on failure, 0 on success.
#include <cstdint>
#include <cstring>
#include <vector>

#include "icc_module/PrinterProfile.h"
#include "icc_module/ProfileRequest.h"

#ifdef _WIN32
#define ICC_EXPORT extern "C" __declspec(dllexport)
#else
#define ICC_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

}  // namespace

ICC_EXPORT int MPCA_GetCustomProfile(uint8_t* buffer, const icc::ProfileRequest* request, uint32_t* size)
{
    if (request == nullptr || size == nullptr || request->tableCount != 1 || request->table == nullptr ||
        request->xResolution <= 0 || request->yResolution <= 0) {
        return kFailed;
    }
    const std::vector<uint8_t> profile =
        icc::BuildPrinterProfile(request->table, request->xResolution, request->yResolution);
    if (buffer == nullptr) {
        *size = static_cast<uint32_t>(profile.size());
        return kDone;
    }
    if (*size < profile.size()) {
        return kFailed;
    }
    std::memcpy(buffer, profile.data(), profile.size());
    *size = static_cast<uint32_t>(profile.size());
    return kDone;
}
