#include "SpoolBuffer.h"

#include <cstring>

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
