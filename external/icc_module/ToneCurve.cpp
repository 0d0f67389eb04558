#include "icc_module/ToneCurve.h"

#include <algorithm>
#include <cmath>

namespace icc {

ToneCurve::ToneCurve(const uint8_t* points, int count, double gain) : level(count), exponent(1.0 + gain)
{
    int running = 0;
    std::vector<int> raised(count);
    for (int p = 0; p < count; ++p) {
        running = std::max(running, int{points[p]});
        raised[p] = running;
    }
    const int low = raised.front();
    const int high = raised.back();
    for (int p = 0; p < count; ++p) {
        // A flat table carries no tone: fall back to a straight ramp.
        level[p] = high > low ? double(raised[p] - low) / (high - low) : double(p) / (count - 1);
    }
}

double ToneCurve::Linear(double device) const
{
    const double at = std::clamp(device, 0.0, 1.0) * (level.size() - 1);
    const size_t p = std::min(static_cast<size_t>(at), level.size() - 2);
    return std::clamp(level[p] + (level[p + 1] - level[p]) * (at - p), 0.0, 1.0);
}

double ToneCurve::Apply(double device) const
{
    return std::pow(Linear(device), exponent);
}

double ToneCurve::Invert(double fraction) const
{
    // The power is monotonic, so the search runs on the linear part against the fraction
    // taken back through it once: one power per inversion instead of one per step.
    const double target = std::pow(std::clamp(fraction, 0.0, 1.0), 1.0 / exponent);
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 24; ++i) {  // finer than a 16-bit step
        const double middle = (low + high) / 2.0;
        (Linear(middle) < target ? low : high) = middle;
    }
    return high;
}

double DotGain(int xResolution, int yResolution)
{
    const double x = std::clamp(xResolution, 1, 100000);
    const double y = std::clamp(yResolution, 1, 100000);
    return std::clamp(0.05 + 0.02 * std::log2(x / 300.0) + 0.02 * std::log2(y / 300.0), -0.5, 0.5);
}

}  // namespace icc
