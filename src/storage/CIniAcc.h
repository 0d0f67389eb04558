// One INI file given by its full path: values, key lists, writes and deletions.
#pragma once

#include <string>

#include "launch/CmyStringArray.h"
#include "platform/win32api.h"

class CIniAcc {
public:
    CIniAcc() = default;
    explicit CIniAcc(const std::string& fullPath) : path(fullPath) {}
    virtual ~CIniAcc() = default;

    void SetPath(const std::string& fullPath) { path = fullPath; }
    // Current directory + subfolder (if any) + a backslash when missing + fileName.
    void SetPath(const std::string& fileName, const std::string& subfolder);
    const std::string& GetPath() const { return path; }

    // The value, or "" when the file, section or key is missing; values of any length.
    std::string GetString(const std::string& section, const std::string& key) const;
    // The key names of section in file order.
    CmyStringArray GetKeys(const std::string& section) const;
    // Writes value (null deletes the key), clearing a read-only attribute first.
    BOOL WriteString(const std::string& section, const char* key, const char* value) const;

protected:
    std::string path;
};
