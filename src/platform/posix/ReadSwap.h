// A file that changes between two reads, as a file on a share or a removable disk may: once
// the watched file has been read a given number of times, another file's contents replace it.
#pragma once

#include <cstdint>
#include <string>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class ReadSwap {
public:
    static ReadSwap& Instance();

    // hostPath gets a copy of replacementHost right after its reads-th read from now (0: none).
    void Set(const std::string& hostPath, const std::string& replacementHost, uint32_t reads);
    void Clear() { m_path.clear(); }
    // A read of hostPath has returned: a ReadFile that read bytes, a profile read, a copy.
    void Read(const std::string& hostPath);

private:
    std::string m_path;
    std::string m_replacement;
    uint32_t m_left = 0;
};

#pragma GCC visibility pop
