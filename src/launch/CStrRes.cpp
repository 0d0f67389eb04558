#include "launch/CStrRes.h"

#include "launch/CLibraryLoader.h"

namespace {

constexpr const char* kLoaderName = "vemrload.dll";
constexpr const char* kStringLibraryPattern = "XVSTR%s.dll";
constexpr int kTextBufferSize = 1024;

using LoadLanguageFn = void* (*)(const char* pattern);
using LoadStringFn = void (*)(void* handle, UINT id, char* buffer, int size);
using FreeLanguageFn = void (*)(void* handle);

template <typename Fn>
Fn LoaderFunction(HMODULE loader, const char* name) {
    if (!loader) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(loader, name)));
}

}  // namespace

CStrRes::CStrRes() : m_loader(CLibraryLoader::LoadOwn(kLoaderName)) {
    if (auto load = LoaderFunction<LoadLanguageFn>(m_loader, "VmLoadLanguageDLL")) {
        m_handle = load(kStringLibraryPattern);
    }
}

CStrRes::~CStrRes() {
    if (m_handle) {
        if (auto release = LoaderFunction<FreeLanguageFn>(m_loader, "VmFreeLanguageDLL")) {
            release(m_handle);
        }
    }
    if (m_loader) FreeLibrary(m_loader);
}

void CStrRes::LoadString(UINT id, std::string& text) const {
    char buffer[kTextBufferSize] = {};
    if (m_handle) {
        if (auto load = LoaderFunction<LoadStringFn>(m_loader, "VmLoadString")) {
            load(m_handle, id, buffer, kTextBufferSize);
        }
    }
    buffer[kTextBufferSize - 1] = '\0';  // whatever the loader wrote, stop inside the buffer
    text = buffer;
}

std::string CStrRes::Load(UINT id) const {
    std::string text;
    LoadString(id, text);
    return text;
}
