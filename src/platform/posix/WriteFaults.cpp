#include "WriteFaults.h"

#include <unistd.h>

#include <cerrno>

namespace {

// The exit code of a process the simulated disk stopped.
constexpr int stoppedExitCode = 3;

}  // namespace

void WriteFaults::Set(uint32_t failAt, uint64_t diskFullAfter)
{
    m_failAt = failAt;
    m_count = 0;
    m_space = diskFullAfter;
    m_stopAfter = 0;
    m_stopDue = false;
}

void WriteFaults::SetStop(uint32_t stopAfter)
{
    m_stopAfter = stopAfter != 0 ? m_count + stopAfter : 0;
    m_stopDue = false;
}

void WriteFaults::Done()
{
    // _exit: no destructor, no buffered output, nothing of the process runs any more.
    if (m_stopDue) ::_exit(stoppedExitCode);
}

int WriteFaults::Step()
{
    // A change whose Done was not reported still ends the process before the next one.
    Done();
    ++m_count;
    if (m_stopAfter != 0 && m_count == m_stopAfter) m_stopDue = true;
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
