#include "vemrload/LoaderFolder.h"

namespace vemrload {

std::string LoaderFolder()
{
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&LoaderFolder), &self)) {
        return {};
    }
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};  // a cut path names another folder
    const std::string full(path, length);
    const size_t slash = full.rfind('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

HMODULE LoadBesideLoader(const std::string& fileName)
{
    if (fileName.empty() || fileName.find("..") != std::string::npos ||
        fileName.find_first_of("\\/:") != std::string::npos) {
        return nullptr;
    }
    const std::string folder = LoaderFolder();
    if (folder.empty()) return nullptr;
    const std::string path = folder + fileName;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return nullptr;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace vemrload
