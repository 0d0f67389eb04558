// kernel32 local memory: fixed blocks (LMEM_FIXED, optionally LMEM_ZEROINIT).
#include "LastError.h"
#include "MachineState.h"
#include "MemoryBlocks.h"
#include "platform/win32api.h"

extern "C" HLOCAL LocalAlloc(UINT flags, SIZE_T bytes)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    // Movable blocks would need LocalLock; nothing here uses them.
    if (flags & ~static_cast<UINT>(LMEM_ZEROINIT)) return LastError::Fail(ERROR_INVALID_PARAMETER, HLOCAL{nullptr});
    void* block = MemoryBlocks::Instance().Allocate(bytes, (flags & LMEM_ZEROINIT) != 0, MemoryBlocks::Kind::Local);
    if (!block) return LastError::Fail(ERROR_NOT_ENOUGH_MEMORY, HLOCAL{nullptr});
    return block;
}

extern "C" HLOCAL LocalFree(HLOCAL memory)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!memory) return nullptr;
    // On failure Windows hands the block back.
    if (!MemoryBlocks::Instance().Release(memory, MemoryBlocks::Kind::Local))
        return LastError::Fail(ERROR_INVALID_HANDLE, memory);
    return nullptr;
}
