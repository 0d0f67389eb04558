#include "framework/CFileFind.h"

CFileFind::~CFileFind()
{
    Close();
}

bool CFileFind::FindFile(const std::string& pattern)
{
    Close();
    m_current = {};
    m_next = {};
    m_find = ::FindFirstFileA(pattern.c_str(), &m_next);
    m_hasNext = m_find != INVALID_HANDLE_VALUE;
    return m_hasNext;
}

bool CFileFind::FindNextFile()
{
    if (!m_hasNext) return false;
    m_current = m_next;
    m_hasNext = ::FindNextFileA(m_find, &m_next) != FALSE;
    return m_hasNext;
}

std::string CFileFind::GetFileName() const
{
    return m_current.cFileName;
}

bool CFileFind::IsDirectory() const
{
    return (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CFileFind::Close()
{
    if (m_find != INVALID_HANDLE_VALUE) {
        ::FindClose(m_find);
        m_find = INVALID_HANDLE_VALUE;
    }
    m_hasNext = false;
}
