// The fault switch of the simulated disk: every call that changes the disk asks it first, so
// a test can make the N-th such write fail, or let the disk fill up after N bytes, or end the
// process right after the N-th write as a power loss would (Done after each change).
#pragma once

#include <cstdint>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class WriteFaults {
public:
    static constexpr uint64_t unlimited = UINT64_MAX;

    // failAt 0: no write fails; otherwise the failAt-th write counted from now fails.
    // diskFullAfter: bytes that may still be written before the disk is full.
    void Set(uint32_t failAt, uint64_t diskFullAfter);
    void Reset() { Set(0, unlimited); }
    // stopAfter 0: never; otherwise the process ends with exit code 3 right after the
    // stopAfter-th write counted from now (Set restarts the count and ends the stop), running nothing else.
    void SetStop(uint32_t stopAfter);
    uint32_t Count() const { return m_count; }

    // One write that changes the disk without adding bytes (create, rename, delete, flush...):
    // 0 when it may go ahead, else the host error it fails with (EIO for the chosen write).
    int Step();
    // A write of `wanted` bytes: counts as one write; `allowed` is how many of them fit on the
    // disk. Returns 0 when all may be written, else the host error (ENOSPC after `allowed` bytes).
    int Bytes(uint64_t wanted, uint64_t& allowed);
    // Called once the change asked for by Step or Bytes is on the disk (or failed).
    void Done();

private:
    uint32_t m_failAt = 0;
    uint32_t m_count = 0;
    uint64_t m_space = unlimited;
    uint32_t m_stopAfter = 0;
    bool m_stopDue = false;
};

#pragma GCC visibility pop
