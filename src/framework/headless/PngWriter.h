// Writes a pixel buffer as a PNG picture (8-bit RGB, uncompressed deflate blocks).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/headless/PixelBuffer.h"

namespace fw::headless {

class PngWriter {
public:
    static std::vector<uint8_t> Encode(const PixelBuffer& picture);
    // Writes to a file of the host; false when it cannot be written.
    static bool Save(const PixelBuffer& picture, const std::string& path);
};

}  // namespace fw::headless
