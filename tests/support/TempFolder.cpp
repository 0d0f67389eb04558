#include "support/TempFolder.h"

#include "platform/win32api.h"

TempFolder::TempFolder(const std::string& prefix)
{
    char temp[MAX_PATH + 1] = {};
    if (GetTempPathA(sizeof temp, temp) == 0) return;
    for (int n = 0; n < 1000; ++n) {
        std::string candidate = WithSlash(temp) + prefix + std::to_string(n);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_path = candidate + "\\";
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    if (Made()) RemoveTree(m_path);
}

bool TempFolder::Put(const std::string& name, const std::string& bytes) const
{
    HANDLE file = CreateFileA((m_path + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    bool written = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                   done == bytes.size();
    return CloseHandle(file) && written;
}

std::string TempFolder::Read(const std::string& name, const std::string& missing) const
{
    HANDLE file = CreateFileA((m_path + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return missing;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD done = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    bytes.resize(done);
    return bytes;
}

void TempFolder::RemoveTree(const std::string& folder)
{
    const std::string base = WithSlash(folder);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((base + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = base + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(base.substr(0, base.size() - 1).c_str());
}

std::string TempFolder::WithSlash(std::string path)
{
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}
