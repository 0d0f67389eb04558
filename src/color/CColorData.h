// One colour-balance setting: for each of the 40 palette patches its value (x on a
// 36-step hue circle, y on a linear scale), the allowed ranges and an edited flag.
// Only the values are archived (the data file "UCD%s.dat").
#pragma once

#include <cstdint>

#include "framework/CArchive.h"
#include "framework/CObject.h"

class CColorData : public CObject {
    DECLARE_SERIAL(CColorData)

public:
    static constexpr int patchCount = 40;

    struct Range {
        int32_t first;
        int32_t last;
    };
    struct Point {
        int32_t x;
        int32_t y;
    };

    CColorData();
    CColorData(const CColorData& other);
    CColorData& operator=(const CColorData& other);
    ~CColorData() override = default;

    // Operations taking a patch index fail (0, or nothing done) outside 0 … 39.
    int GetValue(int index, int& x, int& y, int* edited = nullptr) const;
    // edited -1 keeps the patch's flag.
    int SetValue(int index, int x, int y, int edited);
    void SetRanges(int index, int xFirst, int xLast, int yFirst, int yLast);
    void GetRanges(int index, int& xFirst, int& xLast, int& yFirst, int& yLast) const;
    int IsValue(int index, int x, int y) const;
    void CopyFrom(const CColorData& other);
    // Compares the values only; flags and ranges do not count.
    int IsEqual(const CColorData& other) const;

    void Serialize(CArchive& archive) override;

private:
    static bool ValidIndex(int index) { return index >= 0 && index < patchCount; }

    int32_t edited[patchCount];
    Range yRange[patchCount];
    Range xRange[patchCount];
    Point value[patchCount];
};
