// Memory the layer hands out: LocalAlloc blocks and SIDs from AllocateAndInitializeSid.
// Each kind is freed only by its own call; anything else is reported as an invalid handle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class MemoryBlocks {
public:
    enum class Kind { Local, Sid };

    static MemoryBlocks& Instance();

    void* Allocate(size_t bytes, bool zeroFill, Kind kind);
    bool Release(void* block, Kind kind);  // false when block is not one of that kind
    uint32_t Count() const { return static_cast<uint32_t>(m_blocks.size()); }

private:
    std::map<void*, Kind> m_blocks;
};

#pragma GCC visibility pop
