#include "SpoolBuffer.h"

#include <cstring>

#include "LastError.h"
#include "platform/win32api.h"

char* SpoolBuffer::String(const std::string& text)
{
    return static_cast<char*>(Block(text.c_str(), text.size() + 1, 1));
}

char* SpoolBuffer::MultiString(const std::vector<std::string>& names)
{
    if (names.empty()) return nullptr;
    std::string packed;
    for (const std::string& name : names) {
        packed += name;
        packed += '\0';
    }
    packed += '\0';
    return static_cast<char*>(Block(packed.data(), packed.size(), 1));
}

void* SpoolBuffer::Block(const void* data, size_t size, size_t alignment)
{
    m_used = (m_used + alignment - 1) / alignment * alignment;
    void* at = m_base ? m_base + m_used : nullptr;
    if (m_base) std::memcpy(at, data, size);
    m_used += size;
    return at;
}

int SpoolBuffer::Pack(uint8_t* buffer, uint32_t size, uint32_t* needed, size_t fixedSize, const Filler& fill)
{
    SpoolBuffer measure(nullptr, fixedSize);
    fill(measure, nullptr);
    size_t need = measure.Size();
    if (needed) *needed = static_cast<DWORD>(need);
    if (!buffer || size < need) return LastError::Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    std::memset(buffer, 0, fixedSize);
    SpoolBuffer out(buffer, fixedSize);
    fill(out, buffer);
    return TRUE;
}
