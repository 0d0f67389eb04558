// What a printer device context measures: resolution, paper and printable area in device
// pixels, from the printer's description and the device mode the context was made with.
#pragma once

#include <cstdint>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

struct PrinterRecord;

class PrinterGeometry {
public:
    // devMode: the context's device mode bytes (public part and private area); fields are
    // taken when the device mode holds them and marks them as set.
    PrinterGeometry(const PrinterRecord& printer, const std::vector<uint8_t>& devMode);

    // GetDeviceCaps: 0 for an index the simulated printer does not answer.
    int Caps(int index) const;

private:
    int m_dpiX = 600;
    int m_dpiY = 600;
    int m_width = 0;    // physical page, pixels
    int m_height = 0;
    int m_offsetX = 0;  // unprintable margin, pixels
    int m_offsetY = 0;
    bool m_color = true;
};

#pragma GCC visibility pop
