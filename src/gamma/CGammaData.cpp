#include "gamma/CGammaData.h"

#include <cstring>

IMPLEMENT_SERIAL(CGammaData, CObject, 1)

CGammaData::CGammaData() : level{}, hueFromPrinter{}, hue{}, gamma(0.0) {}

CGammaData::CGammaData(const CGammaData& other) : CObject(), level{}, hueFromPrinter{}, hue{}, gamma(0.0)
{
    CopyFrom(other);
}

CGammaData& CGammaData::operator=(const CGammaData& other)
{
    if (this != &other) CopyFrom(other);
    return *this;
}

void CGammaData::SetHue(const int hues[zoneCount], const int fromPrinter[zoneCount])
{
    for (int i = 0; i < zoneCount; ++i) {
        hue[i] = hues[i];
        hueFromPrinter[i] = fromPrinter[i];
    }
}

void CGammaData::SetLevel(const int levels[zoneCount])
{
    for (int i = 0; i < zoneCount; ++i) level[i] = levels[i];
}

void CGammaData::GetHue(int out[zoneCount]) const
{
    for (int i = 0; i < zoneCount; ++i) out[i] = hue[i];
}

void CGammaData::GetHueFromPrinter(int out[zoneCount]) const
{
    for (int i = 0; i < zoneCount; ++i) out[i] = hueFromPrinter[i];
}

void CGammaData::GetLevel(int out[zoneCount]) const
{
    for (int i = 0; i < zoneCount; ++i) out[i] = level[i];
}

void CGammaData::CopyFrom(const CGammaData& other)
{
    std::memcpy(&gamma, &other.gamma, sizeof gamma);  // bit for bit, NaN payloads included
    level = other.level;
    hueFromPrinter = other.hueFromPrinter;
    hue = other.hue;
}

int CGammaData::IsEqual(const CGammaData& other) const
{
    if (!(gamma == other.gamma)) return 0;
    if (hue != other.hue) return 0;
    if (hueFromPrinter != other.hueFromPrinter) return 0;
    if (level != other.level) return 0;
    return 1;
}

void CGammaData::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive << gamma;
        for (int i = 0; i < zoneCount; ++i) archive << hue[i] << hueFromPrinter[i] << level[i];
    } else {
        archive >> gamma;
        for (int i = 0; i < zoneCount; ++i) archive >> hue[i] >> hueFromPrinter[i] >> level[i];
    }
}
