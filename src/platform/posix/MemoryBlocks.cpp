#include "MemoryBlocks.h"

#include <cstdlib>
#include <cstring>

MemoryBlocks& MemoryBlocks::Instance()
{
    static MemoryBlocks blocks;
    return blocks;
}

void* MemoryBlocks::Allocate(size_t bytes, bool zeroFill, Kind kind)
{
    // A zero-byte request still yields a distinct block, as on Windows.
    void* block = std::malloc(bytes ? bytes : 1);
    if (!block) return nullptr;
    if (zeroFill) std::memset(block, 0, bytes);
    m_blocks[block] = kind;
    return block;
}

bool MemoryBlocks::Release(void* block, Kind kind)
{
    auto it = m_blocks.find(block);
    if (it == m_blocks.end() || it->second != kind) return false;
    m_blocks.erase(it);
    std::free(block);
    return true;
}
