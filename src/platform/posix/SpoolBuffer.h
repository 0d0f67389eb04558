// Lays out spooler records as Windows does: the fixed records first, then the strings and
// device modes they point to, all in the caller's buffer. Measuring and writing run the
// same code: with no buffer only the size is counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class SpoolBuffer {
public:
    // base: the caller's buffer, or null to measure; fixedSize: bytes of the record array.
    SpoolBuffer(uint8_t* base, size_t fixedSize) : m_base(base), m_used(fixedSize) {}

    char* String(const std::string& text);
    char* OptionalString(const std::string& text) { return text.empty() ? nullptr : String(text); }
    // Names separated by NULs and ended by an empty name; null when there are none.
    char* MultiString(const std::vector<std::string>& names);
    void* Block(const void* data, size_t size, size_t alignment);
    size_t Size() const { return m_used; }

    using Filler = std::function<void(SpoolBuffer&, uint8_t*)>;
    // Size query and fill in one, as the spooler calls do: needed is always set; a missing or
    // too small buffer fails with 122 and writes nothing.
    static int Pack(uint8_t* buffer, uint32_t size, uint32_t* needed, size_t fixedSize, const Filler& fill);

private:
    uint8_t* m_base;
    size_t m_used;
};

#pragma GCC visibility pop
