#include "ResourceSection.h"

#include <string>

namespace {

uint32_t Dword(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// A type or name field inside a header of `size` bytes: 0xFFFF and an id, or a
// NUL-terminated UTF-16 string. Advances `at`; false when the field leaves the header.
bool ReadName(const uint8_t* header, size_t size, size_t& at, ResourceName& out)
{
    if (at + 2 > size) return false;
    if (Word(header + at) == 0xFFFF) {
        if (at + 4 > size) return false;
        out = ResourceName::Id(Word(header + at + 2));
        at += 4;
        return true;
    }
    std::u16string name;
    for (;;) {
        if (at + 2 > size) return false;
        char16_t c = Word(header + at);
        at += 2;
        if (!c) break;
        name += c;
    }
    out = ResourceName::FromUtf16(std::move(name));
    return true;
}

size_t Align4(size_t value)
{
    return (value + 3) & ~size_t{3};
}

}  // namespace

ResourceSection::ResourceSection(const uint8_t* bytes, size_t size)
{
    constexpr size_t kFixedTail = 16;  // data version, memory flags, language, version, characteristics
    size_t at = 0;
    while (bytes && size - at >= 8) {
        const uint8_t* header = bytes + at;
        const uint32_t dataSize = Dword(header);
        const uint32_t headerSize = Dword(header + 4);
        if (headerSize < 8 + 2 + 2 + kFixedTail || headerSize > size - at) break;
        if (dataSize > size - at - headerSize) break;
        ResourceEntry entry;
        size_t field = 8;
        if (!ReadName(header, headerSize, field, entry.type) || !ReadName(header, headerSize, field, entry.name)) break;
        field = Align4(field);
        if (field + kFixedTail > headerSize) break;
        entry.language = Word(header + field + 6);
        entry.header = header;
        entry.data = header + headerSize;
        entry.size = dataSize;
        // The leading empty entry (type 0) marks the format and holds nothing.
        if (!(entry.type.IsId() && entry.type.IdValue() == 0)) m_entries.push_back(entry);
        const size_t next = Align4(static_cast<size_t>(headerSize) + dataSize);
        if (next > size - at) break;
        at += next;
    }
}

std::vector<const ResourceEntry*> ResourceSection::Candidates(const ResourceName& type, const ResourceName& name,
                                                              uint32_t& error) const
{
    std::vector<const ResourceEntry*> found;
    bool typeSeen = false;
    for (const ResourceEntry& entry : m_entries) {
        if (!(entry.type == type)) continue;
        typeSeen = true;
        if (entry.name == name) found.push_back(&entry);
    }
    if (found.empty()) error = typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
    return found;
}

// Language preference as Windows searches: neutral, the user's language, its primary
// language, English (United States), then whatever there is.
const ResourceEntry* ResourceSection::Find(const ResourceName& type, const ResourceName& name, uint16_t uiLanguage,
                                           uint32_t& error) const
{
    const std::vector<const ResourceEntry*> found = Candidates(type, name, error);
    if (found.empty()) return nullptr;
    const uint16_t preferred[] = {MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), uiLanguage,
                                  static_cast<uint16_t>(PRIMARYLANGID(uiLanguage)),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT)};
    for (uint16_t language : preferred) {
        for (const ResourceEntry* entry : found)
            if (entry->language == language) return entry;
    }
    return found.front();
}

const ResourceEntry* ResourceSection::FindExact(const ResourceName& type, const ResourceName& name,
                                                uint16_t language, uint32_t& error) const
{
    const std::vector<const ResourceEntry*> found = Candidates(type, name, error);
    if (found.empty()) return nullptr;
    for (const ResourceEntry* entry : found)
        if (entry->language == language) return entry;
    error = ERROR_RESOURCE_LANG_NOT_FOUND;
    return nullptr;
}

const ResourceEntry* ResourceSection::EntryAt(const void* header) const
{
    for (const ResourceEntry& entry : m_entries)
        if (entry.header == header) return &entry;
    return nullptr;
}

const ResourceEntry* ResourceSection::EntryWithData(const void* data) const
{
    for (const ResourceEntry& entry : m_entries)
        if (entry.data == data) return &entry;
    return nullptr;
}
