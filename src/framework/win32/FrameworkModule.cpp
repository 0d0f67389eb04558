#include "framework/win32/FrameworkModule.h"

namespace fw::win32 {

HMODULE FrameworkModule() {
    static const HMODULE module = [] {
        HMODULE found = nullptr;
        const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
        GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&FrameworkModule), &found);
        return found;
    }();
    return module;
}

}  // namespace fw::win32
