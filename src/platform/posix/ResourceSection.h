// The resources of one module, read from the binary resource format windres writes (.res):
// a run of entries, each a header (data size, header size, type, name, language) and the
// data, both aligned to four bytes. Reading never leaves the given bytes: a damaged entry
// and everything after it are ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ResourceEntry.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class ResourceSection {
public:
    ResourceSection() = default;
    ResourceSection(const uint8_t* bytes, size_t size);

    const std::vector<ResourceEntry>& Entries() const { return m_entries; }
    // The entry of that type and name in the preferred language (see the .cpp), or null with
    // the error Windows sets: ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
    const ResourceEntry* Find(const ResourceName& type, const ResourceName& name, uint16_t uiLanguage,
                              uint32_t& error) const;
    // Exactly that language; ERROR_RESOURCE_LANG_NOT_FOUND when only others exist.
    const ResourceEntry* FindExact(const ResourceName& type, const ResourceName& name, uint16_t language,
                                   uint32_t& error) const;
    // The entry a handle from Find stands for, or null.
    const ResourceEntry* EntryAt(const void* header) const;
    // The entry whose data starts at that address, or null.
    const ResourceEntry* EntryWithData(const void* data) const;

private:
    std::vector<const ResourceEntry*> Candidates(const ResourceName& type, const ResourceName& name,
                                                 uint32_t& error) const;

    std::vector<ResourceEntry> m_entries;
};

#pragma GCC visibility pop
