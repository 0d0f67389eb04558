// One ink's tone curve from the T table: made non-decreasing from 0 to 1, then darkened by
// the dot gain of the print resolution.
#pragma once

#include <cstdint>
#include <vector>

namespace icc {

class ToneCurve {
public:
    // points: the curve's bytes in the T table; gain: exponent added to 1.
    ToneCurve(const uint8_t* points, int count, double gain);

    // Device value 0 … 1 to light fraction 0 … 1.
    double Apply(double device) const;
    // The smallest device value that reaches fraction.
    double Invert(double fraction) const;

private:
    // The non-decreasing curve before the dot gain, 0 … 1.
    double Linear(double device) const;

    std::vector<double> level;  // level[p] for device value p / (count − 1)
    double exponent;
};

// 0.05 at 300 × 300 dpi, more for finer dots: finer dots spread more.
double DotGain(int xResolution, int yResolution);

}  // namespace icc
