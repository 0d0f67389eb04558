#include "IconDirectory.h"

#include <cstdlib>

namespace {

constexpr size_t kHeader = 6;
constexpr size_t kEntry = 14;
constexpr uint16_t kIconType = 1;

uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

bool IconDirectory::Parse(const uint8_t* bytes, size_t size, IconDirectory& out)
{
    if (!bytes || size < kHeader || Word(bytes) != 0 || Word(bytes + 2) != kIconType) return false;
    const size_t count = Word(bytes + 4);
    if (count == 0 || (size - kHeader) / kEntry < count) return false;
    out.m_images.clear();
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes + kHeader + i * kEntry;
        Image image;
        image.width = entry[0] ? entry[0] : 256;
        image.height = entry[1] ? entry[1] : 256;
        image.bitCount = Word(entry + 6);
        image.id = Word(entry + 12);
        out.m_images.push_back(image);
    }
    return true;
}

const IconDirectory::Image* IconDirectory::Best(int cx, int cy) const
{
    const Image* best = nullptr;
    long bestDistance = 0;
    for (const Image& image : m_images) {
        const long distance = std::labs(static_cast<long>(image.width) - cx) + std::labs(static_cast<long>(image.height) - cy);
        bool better = !best || distance < bestDistance;
        if (best && distance == bestDistance) {
            better = image.width > best->width || (image.width == best->width && image.bitCount > best->bitCount);
        }
        if (better) {
            best = &image;
            bestDistance = distance;
        }
    }
    return best;
}
