#include "icc_module/IccBytes.h"

#include <cmath>

namespace icc {

uint32_t SignatureValue(const char (&four)[5])
{
    return (uint32_t(uint8_t(four[0])) << 24) | (uint32_t(uint8_t(four[1])) << 16) |
           (uint32_t(uint8_t(four[2])) << 8) | uint32_t(uint8_t(four[3]));
}

void IccBytes::U16(uint16_t value)
{
    U8(static_cast<uint8_t>(value >> 8));
    U8(static_cast<uint8_t>(value));
}

void IccBytes::U32(uint32_t value)
{
    U16(static_cast<uint16_t>(value >> 16));
    U16(static_cast<uint16_t>(value));
}

void IccBytes::Signature(const char (&four)[5])
{
    U32(SignatureValue(four));
}

void IccBytes::S15Fixed16(double value)
{
    U32(static_cast<uint32_t>(static_cast<int32_t>(std::lround(value * 65536.0))));
}

void IccBytes::PutU32At(size_t offset, uint32_t value)
{
    bytes[offset] = static_cast<uint8_t>(value >> 24);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 16);
    bytes[offset + 2] = static_cast<uint8_t>(value >> 8);
    bytes[offset + 3] = static_cast<uint8_t>(value);
}

size_t TagList::Add(const char (&signature)[5], std::vector<uint8_t> element)
{
    elements.push_back(std::move(element));
    entries.push_back({SignatureValue(signature), elements.size() - 1});
    return elements.size() - 1;
}

void TagList::Share(const char (&signature)[5], size_t element)
{
    entries.push_back({SignatureValue(signature), element});
}

std::vector<uint8_t> TagList::Assemble(const std::vector<uint8_t>& header) const
{
    IccBytes out;
    out.Append(header);
    out.U32(static_cast<uint32_t>(entries.size()));
    const size_t directory = out.Size();
    out.Zeros(entries.size() * 12);
    out.PadTo4();

    std::vector<uint32_t> offsets;
    for (const auto& element : elements) {
        offsets.push_back(static_cast<uint32_t>(out.Size()));
        out.Append(element);
        out.PadTo4();
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t at = directory + i * 12;
        out.PutU32At(at, entries[i].signature);
        out.PutU32At(at + 4, offsets[entries[i].element]);
        out.PutU32At(at + 8, static_cast<uint32_t>(elements[entries[i].element].size()));
    }
    out.PutU32At(0, static_cast<uint32_t>(out.Size()));
    return std::move(out.Bytes());
}

}  // namespace icc
