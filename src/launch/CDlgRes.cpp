#include "launch/CDlgRes.h"

#include "launch/CLibraryLoader.h"

namespace {

constexpr const char* kLoaderName = "vemrload.dll";
constexpr const char* kDialogLibraryPattern = "XVDLG%s";

using GetFileNameFn = void (*)(const char* pattern, char* buffer);

}  // namespace

CDlgRes::CDlgRes() {
    HMODULE loader = CLibraryLoader::LoadOwn(kLoaderName);
    if (!loader) return;
    char name[MAX_PATH] = {};
    auto getName = reinterpret_cast<GetFileNameFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(loader, "VmGetHelpFileName")));
    if (getName) getName(kDialogLibraryPattern, name);
    FreeLibrary(loader);
    name[MAX_PATH - 1] = '\0';
    // The library beside ours of the name the loader chose, wherever the loader looked for it.
    if (name[0] != '\0') m_module = CLibraryLoader::LoadOwn(CLibraryLoader::FileNameOf(name));
}

CDlgRes::~CDlgRes() {
    if (m_module) FreeLibrary(m_module);
}

HGLOBAL CDlgRes::LoadDialogTemplate(UINT id) const
{
    if (!m_module) return nullptr;
    HRSRC found = FindResourceA(m_module, MAKEINTRESOURCEA(id), RT_DIALOG);
    return found ? LoadResource(m_module, found) : nullptr;
}

HBITMAP CDlgRes::LoadBitmapSized(UINT id, const RECT& rect) const
{
    if (!m_module) return nullptr;
    return static_cast<HBITMAP>(LoadImageA(m_module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, rect.right - rect.left,
                                           rect.bottom - rect.top, LR_DEFAULTSIZE));
}
