// An icon group resource (RT_GROUP_ICON): the sizes and colour depths of the icon images
// (RT_ICON resources) that make up one icon, and the choice of the one for a size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class IconDirectory {
public:
    struct Image {
        int width = 0;
        int height = 0;
        int bitCount = 0;
        uint16_t id = 0;  // of the RT_ICON resource
    };

    // False for data that is not a whole icon group.
    static bool Parse(const uint8_t* bytes, size_t size, IconDirectory& out);

    const std::vector<Image>& Images() const { return m_images; }
    // The image nearest to cx by cy (the larger one when two are as near), of the most colours.
    const Image* Best(int cx, int cy) const;

private:
    std::vector<Image> m_images;
};

#pragma GCC visibility pop
