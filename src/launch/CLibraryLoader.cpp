#include "launch/CLibraryLoader.h"

#include <cctype>
#include <string_view>

#include "launch/LibraryModule.h"

namespace {

constexpr size_t kLongestPath = 32768;

bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string CLibraryLoader::OwnFolder()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(LibraryModule(), path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return FolderOf(path);
        }
        // Cut off: the whole path or nothing, never the folder of a shortened one.
        if (path.size() >= kLongestPath) return {};
        path.resize(path.size() * 2);
    }
}

bool CLibraryLoader::IsBareFileName(const std::string& name)
{
    if (name.empty() || name.size() >= MAX_PATH || name.find("..") != std::string::npos) return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
    }
    return true;
}

std::string CLibraryLoader::FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

HMODULE CLibraryLoader::LoadOwn(const std::string& fileName)
{
    if (!IsBareFileName(fileName)) return nullptr;
    const std::string folder = OwnFolder();
    if (folder.empty()) return nullptr;
    return LoadFullPath(folder + fileName);
}

HMODULE CLibraryLoader::LoadSystem(const std::string& fileName)
{
    if (!IsBareFileName(fileName)) return nullptr;
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::string path(folder, length);
    if (path.back() != '\\') path += '\\';
    return LoadFullPath(path + fileName);
}

HMODULE CLibraryLoader::LoadFullPath(const std::string& path)
{
    const bool local = path.size() > 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                       path[2] == '\\';
    if (!local || !IsFile(path)) return nullptr;
    return LoadLibraryExA(path.c_str(), nullptr, searchFlags);
}
