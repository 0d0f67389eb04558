// The two table buffers handed to the printer-model module, of the size the module reports;
// a stored source setting fills them only when its tables are of exactly that size.
//
//   CCcmTables tables;
//   tables.Allocate(module.GetCCMSize());
//   mng.ReadTablesOfSize(source, tables.GetSize(), tables.T(), tables.V());  // a stored source
//   tables.Compute(module, flag);             // never lets the module write past the buffers
#pragma once

#include <memory>

#include "platform/win32api.h"

class CCcmTables {
public:
    CCcmTables() = default;
    CCcmTables(const CCcmTables&) = delete;
    CCcmTables& operator=(const CCcmTables&) = delete;

    // Two zero-filled buffers of size bytes (none for 0 or less).
    void Allocate(int size);
    // Grows both buffers to at least size bytes, keeping their contents, zero-filling the rest.
    void EnsureSize(int size);

    // Asks the module (CColorModule or CCoreModule) for its table size, grows the buffers to
    // it and lets the module compute the tables.
    template <typename Module>
    void Compute(Module& module, int flag)
    {
        EnsureSize(module.GetCCMSize());
        module.AdjustCCM(flag, T(), V());
    }

    BYTE* T() { return m_t.get(); }
    BYTE* V() { return m_v.get(); }
    const BYTE* T() const { return m_t.get(); }
    const BYTE* V() const { return m_v.get(); }
    int GetSize() const { return m_size; }

private:
    std::unique_ptr<BYTE[]> m_t;
    std::unique_ptr<BYTE[]> m_v;
    int m_size = 0;
};
