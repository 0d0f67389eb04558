// Big-endian byte building for ICC profiles: numbers, tag elements and the tag directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icc {

class IccBytes {
public:
    void U8(uint8_t value) { bytes.push_back(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Signature(const char (&four)[5]);
    void S15Fixed16(double value);
    void Zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }
    void Append(const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }
    void Text(const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
    void PadTo4() { Zeros((4 - bytes.size() % 4) % 4); }
    void PutU32At(size_t offset, uint32_t value);

    size_t Size() const { return bytes.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes; }
    std::vector<uint8_t>& Bytes() { return bytes; }

private:
    std::vector<uint8_t> bytes;
};

// Tag elements kept once and listed under one or more signatures, then laid out after the
// 128-byte header and the tag directory, each on a 4-byte boundary.
class TagList {
public:
    // Returns the element's index for Share.
    size_t Add(const char (&signature)[5], std::vector<uint8_t> element);
    void Share(const char (&signature)[5], size_t element);
    // Header (its size field filled in) + directory + elements.
    std::vector<uint8_t> Assemble(const std::vector<uint8_t>& header) const;

private:
    struct Entry {
        uint32_t signature;
        size_t element;
    };
    std::vector<std::vector<uint8_t>> elements;
    std::vector<Entry> entries;
};

uint32_t SignatureValue(const char (&four)[5]);

}  // namespace icc
