// The four calls of the resource loader. Every language library is looked for in the user's
// interface language first and in English when that one is missing.
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "vemrload/LanguageCode.h"
#include "vemrload/LanguageLibrary.h"
#include "vemrload/LibraryName.h"
#include "vemrload/LoaderFolder.h"

#ifdef _WIN32
#define VM_EXPORT extern "C" __declspec(dllexport)
#else
#define VM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr size_t kFileNameSize = 260;  // the caller's buffer of VmGetHelpFileName

// The codes to try, the user's language first.
std::vector<const char*> CandidateCodes() {
    std::vector<const char*> codes;
    const char* user = vemrload::LanguageCode(GetUserDefaultUILanguage());
    if (user && std::strcmp(user, vemrload::kFallbackCode) != 0) codes.push_back(user);
    codes.push_back(vemrload::kFallbackCode);
    return codes;
}

}  // namespace

VM_EXPORT void* VmLoadLanguageDLL(const char* pattern) {
    if (!pattern) return nullptr;
    for (const char* code : CandidateCodes()) {
        const std::string name = vemrload::LibraryName(pattern, code);
        if (HMODULE module = vemrload::LoadBesideLoader(name)) return new vemrload::LanguageLibrary{module};
    }
    return nullptr;
}

VM_EXPORT void VmLoadString(void* handle, UINT id, char* buffer, int size) {
    if (!buffer || size <= 0) return;
    buffer[0] = '\0';
    if (!handle) return;
    // The library's string table, read as Windows reads it; a missing string leaves the text empty.
    if (LoadStringA(static_cast<vemrload::LanguageLibrary*>(handle)->module, id, buffer, size) <= 0) buffer[0] = '\0';
}

VM_EXPORT void VmFreeLanguageDLL(void* handle) {
    auto* library = static_cast<vemrload::LanguageLibrary*>(handle);
    if (!library) return;
    FreeLibrary(library->module);
    delete library;
}

// Names the library of the user's language when it can be loaded from beside the loader, else
// the English one; the name has no folder, the caller looks for it beside its own module.
VM_EXPORT void VmGetHelpFileName(const char* pattern, char* buffer) {
    if (!buffer) return;
    buffer[0] = '\0';
    if (!pattern) return;
    std::string chosen;
    for (const char* code : CandidateCodes()) {
        const std::string name = vemrload::WithLibraryExtension(vemrload::LibraryName(pattern, code));
        if (name.size() >= kFileNameSize) continue;
        chosen = name;
        if (HMODULE module = vemrload::LoadBesideLoader(name)) {
            FreeLibrary(module);
            break;
        }
    }
    std::memcpy(buffer, chosen.c_str(), chosen.size() + 1);
}
