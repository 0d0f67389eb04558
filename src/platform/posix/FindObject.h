// A running FindFirstFileA search: the matches, taken when the search started.
#pragma once

#include <cstddef>
#include <vector>

#include "HandleObject.h"
#include "platform/win32api.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class FindObject : public HandleObject {
public:
    explicit FindObject(std::vector<WIN32_FIND_DATAA> matches) : m_matches(std::move(matches)) {}
    // The next match, or false when the search is exhausted.
    bool Next(WIN32_FIND_DATAA& data)
    {
        if (m_next >= m_matches.size()) return false;
        data = m_matches[m_next++];
        return true;
    }

private:
    std::vector<WIN32_FIND_DATAA> m_matches;
    size_t m_next = 0;
};

#pragma GCC visibility pop
