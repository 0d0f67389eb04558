// The drawing objects a run has not given back, counted where they live: the backend's own
// pens, brushes, fonts and device contexts, and the system's bitmaps, icons and device contexts
// (on Linux the platform layer's count; on Windows what the system reports for the process,
// where it reports anything). Tests compare a census before and after a run.
#pragma once

#include <cstddef>
#include <string>

namespace fw::headless {

struct DrawingObjectCensus {
    std::size_t frameworkObjects = 0;  // pens, brushes, fonts
    std::size_t frameworkDCs = 0;
    std::size_t systemObjects = 0;

    static DrawingObjectCensus Take();

    std::size_t Total() const { return frameworkObjects + frameworkDCs + systemObjects; }
    bool operator==(const DrawingObjectCensus&) const = default;
    // More of some kind than earlier: something made since then is still there.
    bool Exceeds(const DrawingObjectCensus& earlier) const {
        return frameworkObjects > earlier.frameworkObjects || frameworkDCs > earlier.frameworkDCs ||
               systemObjects > earlier.systemObjects;
    }
    std::string Describe() const;
};

}  // namespace fw::headless
