#include "WriteFaults.h"

#include <cerrno>

void WriteFaults::Set(uint32_t failAt, uint64_t diskFullAfter)
{
    m_failAt = failAt;
    m_count = 0;
    m_space = diskFullAfter;
}

int WriteFaults::Step()
{
    ++m_count;
    return m_count == m_failAt ? EIO : 0;
}

int WriteFaults::Bytes(uint64_t wanted, uint64_t& allowed)
{
    allowed = 0;
    if (int error = Step()) return error;
    allowed = wanted <= m_space ? wanted : m_space;
    if (m_space != unlimited) m_space -= allowed;
    return allowed < wanted ? ENOSPC : 0;
}
