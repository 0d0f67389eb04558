#include "color/CCcmTables.h"

#include <cstring>

void CCcmTables::Allocate(int size)
{
    m_t.reset();
    m_v.reset();
    m_size = 0;
    EnsureSize(size);
}

void CCcmTables::EnsureSize(int size)
{
    if (size <= m_size) {
        return;
    }
    std::unique_ptr<BYTE[]> t(new BYTE[size]());
    std::unique_ptr<BYTE[]> v(new BYTE[size]());
    if (m_size > 0) {
        std::memcpy(t.get(), m_t.get(), m_size);
        std::memcpy(v.get(), m_v.get(), m_size);
    }
    m_t = std::move(t);
    m_v = std::move(v);
    m_size = size;
}
