#include "ResourceName.h"

namespace {

char16_t Upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

ResourceName ResourceName::Id(uint16_t id)
{
    ResourceName name;
    name.m_id = id;
    return name;
}

ResourceName ResourceName::FromArgument(LPCSTR argument)
{
    if (IS_INTRESOURCE(argument)) return Id(static_cast<uint16_t>(reinterpret_cast<uintptr_t>(argument)));
    if (argument[0] == '#') {
        uint32_t value = 0;
        const char* p = argument + 1;
        for (; *p >= '0' && *p <= '9' && value <= 0xFFFF; ++p) value = value * 10 + static_cast<uint32_t>(*p - '0');
        if (!*p && p != argument + 1 && value <= 0xFFFF) return Id(static_cast<uint16_t>(value));
    }
    std::u16string name;
    for (const char* p = argument; *p; ++p) name += static_cast<char16_t>(static_cast<unsigned char>(*p));
    return FromUtf16(std::move(name));
}

ResourceName ResourceName::FromUtf16(std::u16string name)
{
    ResourceName result;
    result.m_isId = false;
    for (char16_t& c : name) c = Upper(c);
    result.m_name = std::move(name);
    return result;
}

bool ResourceName::operator==(const ResourceName& other) const
{
    if (m_isId != other.m_isId) return false;
    return m_isId ? m_id == other.m_id : m_name == other.m_name;
}
