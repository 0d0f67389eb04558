#include "storage/CIniAcc.h"

#include <vector>

#include "platform/win32api.h"

namespace {

constexpr DWORD bufferStep = 260;

// Reads with GetPrivateProfileStringA, growing the buffer while the result may have been cut
// (a cut value returns size-1, a cut key list size-2). Returns the text up to the length read,
// NULs included.
std::string ReadProfile(const char* section, const char* key, const std::string& file)
{
    std::vector<char> buffer;
    DWORD size = 0;
    DWORD length = 0;
    do {
        size += bufferStep;
        buffer.assign(size, '\0');
        length = GetPrivateProfileStringA(section, key, "", buffer.data(), size, file.c_str());
    } while (length == size - 1 || length == size - 2);
    if (length > size) {
        length = 0;
    }
    return std::string(buffer.data(), length);
}

}  // namespace

void CIniAcc::SetPath(const std::string& fileName, const std::string& subfolder)
{
    constexpr DWORD size = 261;
    char buffer[size] = {};
    DWORD length = GetCurrentDirectoryA(size, buffer);
    // A directory too long for the buffer leaves it untouched; it then reads as empty.
    std::string full = (length > 0 && length < size) ? std::string(buffer, length) : std::string();
    if (!subfolder.empty()) {
        full += subfolder;
    }
    if (full.empty() || full.back() != '\\') {
        full += '\\';
    }
    path = full + fileName;
}

std::string CIniAcc::GetString(const std::string& section, const std::string& key) const
{
    std::string value = ReadProfile(section.c_str(), key.c_str(), path);
    // A value never holds a NUL; anything after one is not part of it.
    size_t end = value.find('\0');
    if (end != std::string::npos) {
        value.resize(end);
    }
    return value;
}

CmyStringArray CIniAcc::GetKeys(const std::string& section) const
{
    CmyStringArray keys;
    std::string list = ReadProfile(section.c_str(), nullptr, path);
    if (list.empty()) {
        return keys;
    }
    // Names are NUL-separated; the last one ends at the final NUL, which is not scanned.
    std::string current;
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i] == '\0') {
            keys.Add(current);
            current.clear();
        } else {
            current += list[i];
        }
    }
    if (list.back() != '\0') {
        current += list.back();
    }
    keys.Add(current);
    return keys;
}

BOOL CIniAcc::WriteString(const std::string& section, const char* key, const char* value) const
{
    // Installed catalogue files may be read-only; the write must still go through.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        attributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        SetFileAttributesA(path.c_str(), attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL);
    }
    return WritePrivateProfileStringA(section.c_str(), key, value, path.c_str());
}
