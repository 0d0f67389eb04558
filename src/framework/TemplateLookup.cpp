// Dialog templates are resources of their module on both targets: the lookup is the system's.
#include "framework/WindowSystem.h"

namespace fw::ws {

LPCDLGTEMPLATE LoadTemplate(HMODULE module, UINT id, DWORD* size) {
    if (size) *size = 0;
    if (id == 0) return nullptr;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes && size) *size = SizeofResource(module, found);
    return static_cast<LPCDLGTEMPLATE>(bytes);
}

}  // namespace fw::ws
