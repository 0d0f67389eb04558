// An icon handle (HICON): the colour picture and its AND mask (white where transparent).
#pragma once

#include "DibImage.h"
#include "HandleObject.h"

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class IconObject : public HandleObject {
public:
    IconObject(DibImage color, DibImage mask, bool shared = false)
        : m_color(std::move(color)), m_mask(std::move(mask)), m_shared(shared) {}

    const DibImage& Color() const { return m_color; }
    const DibImage& Mask() const { return m_mask; }
    // One of the system's own icons: nobody has to destroy it.
    bool Shared() const { return m_shared; }

private:
    DibImage m_color;
    DibImage m_mask;
    bool m_shared;
};

#pragma GCC visibility pop
