// A bitmap handle (HBITMAP): a device-dependent bitmap of 32 bits per pixel, or the
// monochrome mask of an icon.
#pragma once

#include <cstdint>

#include "DibImage.h"
#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class BitmapObject : public HandleObject {
public:
    BitmapObject(DibImage image, uint16_t bitsPixel) : m_image(std::move(image)), m_bitsPixel(bitsPixel) {}

    const DibImage& Image() const { return m_image; }
    uint16_t BitsPixel() const { return m_bitsPixel; }

private:
    DibImage m_image;
    uint16_t m_bitsPixel;
};

#pragma GCC visibility pop
