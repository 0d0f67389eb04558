#include "HandleTable.h"

void* HandleTable::Add(std::unique_ptr<HandleObject> object)
{
    uintptr_t value = m_next;
    m_next += 4;
    m_objects[value] = std::move(object);
    return reinterpret_cast<void*>(value);
}

bool HandleTable::Close(void* handle)
{
    return m_objects.erase(reinterpret_cast<uintptr_t>(handle)) != 0;
}

void HandleTable::Clear()
{
    m_objects.clear();
}
