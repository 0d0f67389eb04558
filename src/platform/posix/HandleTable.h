// Open handles of the process: files, searches and printers. Handle values are never
// reused, so a stale handle is reported as invalid instead of reaching another object.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class HandleTable {
public:
    explicit HandleTable(uintptr_t first = 0x1000) : m_next(first) {}
    void* Add(std::unique_ptr<HandleObject> object);
    template <class T>
    T* Get(void* handle) const
    {
        auto it = m_objects.find(reinterpret_cast<uintptr_t>(handle));
        return it == m_objects.end() ? nullptr : dynamic_cast<T*>(it->second.get());
    }
    bool Close(void* handle);
    void Clear();
    // How many open objects of type T satisfy wanted.
    template <class T, class Predicate>
    size_t Count(Predicate wanted) const
    {
        size_t count = 0;
        for (const auto& [value, object] : m_objects) {
            if (const T* typed = dynamic_cast<const T*>(object.get()); typed && wanted(*typed)) ++count;
        }
        return count;
    }

private:
    std::map<uintptr_t, std::unique_ptr<HandleObject>> m_objects;
    uintptr_t m_next;
};

#pragma GCC visibility pop
