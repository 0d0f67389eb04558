// Framework file finder: existence and enumeration of files matching a pattern.
#pragma once

#include <string>

#include "platform/win32api.h"

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    bool FindFile(const std::string& pattern);  // true when at least one entry matches
    bool FindNextFile();                        // true while more entries follow
    std::string GetFileName() const;
    bool IsDirectory() const;
    void Close();

private:
    HANDLE m_find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_current{};
    WIN32_FIND_DATAA m_next{};
    bool m_hasNext = false;
};
