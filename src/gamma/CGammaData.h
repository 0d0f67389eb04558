// One gamma setting: the gamma exponent and, for the six hue zones (red, yellow, green,
// cyan, blue, magenta), a level, a hue-from-printer flag and a hue correction.
// Archived whole as the data file "UGD%s.dat".
#pragma once

#include <array>
#include <cstdint>

#include "framework/CArchive.h"
#include "framework/CObject.h"

class CGammaData : public CObject {
    DECLARE_SERIAL(CGammaData)

public:
    static constexpr int zoneCount = 6;

    CGammaData();
    CGammaData(const CGammaData& other);
    CGammaData& operator=(const CGammaData& other);
    ~CGammaData() override = default;

    double GetGamma() const { return gamma; }
    void SetGamma(double value) { gamma = value; }
    void SetHue(const int hues[zoneCount], const int fromPrinter[zoneCount]);
    void SetLevel(const int levels[zoneCount]);
    void GetHue(int out[zoneCount]) const;
    void GetHueFromPrinter(int out[zoneCount]) const;
    void GetLevel(int out[zoneCount]) const;
    void CopyFrom(const CGammaData& other);
    // A NaN gamma on either side counts as a difference.
    int IsEqual(const CGammaData& other) const;

    void Serialize(CArchive& archive) override;

private:
    std::array<int32_t, zoneCount> level;
    std::array<int32_t, zoneCount> hueFromPrinter;
    std::array<int32_t, zoneCount> hue;
    double gamma;
};
