#include "LastError.h"

#include "platform/win32api.h"

namespace {
thread_local uint32_t t_lastError = 0;
}

uint32_t LastError::Get()
{
    return t_lastError;
}

void LastError::Set(uint32_t code)
{
    t_lastError = code;
}

extern "C" DWORD GetLastError(void)
{
    return LastError::Get();
}

extern "C" void SetLastError(DWORD code)
{
    LastError::Set(code);
}
