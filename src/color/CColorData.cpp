#include "color/CColorData.h"

IMPLEMENT_SERIAL(CColorData, CObject, 1)

CColorData::CColorData() : edited{}, yRange{}, xRange{}, value{} {}

CColorData::CColorData(const CColorData& other) : CObject()
{
    CopyFrom(other);
}

CColorData& CColorData::operator=(const CColorData& other)
{
    if (this != &other) CopyFrom(other);
    return *this;
}

int CColorData::GetValue(int index, int& x, int& y, int* editedFlag) const
{
    if (!ValidIndex(index)) return 0;
    x = value[index].x;
    y = value[index].y;
    if (editedFlag != nullptr) *editedFlag = edited[index];
    return 1;
}

int CColorData::SetValue(int index, int x, int y, int editedFlag)
{
    if (!ValidIndex(index)) return 0;
    value[index] = {x, y};
    if (editedFlag != -1) edited[index] = editedFlag;
    return 1;
}

void CColorData::SetRanges(int index, int xFirst, int xLast, int yFirst, int yLast)
{
    if (!ValidIndex(index)) return;
    xRange[index] = {xFirst, xLast};
    yRange[index] = {yFirst, yLast};
}

void CColorData::GetRanges(int index, int& xFirst, int& xLast, int& yFirst, int& yLast) const
{
    if (!ValidIndex(index)) return;
    xFirst = xRange[index].first;
    xLast = xRange[index].last;
    yFirst = yRange[index].first;
    yLast = yRange[index].last;
}

int CColorData::IsValue(int index, int x, int y) const
{
    if (!ValidIndex(index)) return 0;
    return value[index].x == x && value[index].y == y ? 1 : 0;
}

void CColorData::CopyFrom(const CColorData& other)
{
    for (int i = 0; i < patchCount; ++i) {
        value[i] = other.value[i];
        edited[i] = other.edited[i];
    }
    for (int i = 0; i < patchCount; ++i) {
        xRange[i] = other.xRange[i];
        yRange[i] = other.yRange[i];
    }
}

int CColorData::IsEqual(const CColorData& other) const
{
    for (int i = 0; i < patchCount; ++i) {
        if (!IsValue(i, other.value[i].x, other.value[i].y)) return 0;
    }
    return 1;
}

void CColorData::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        for (const Point& p : value) archive << p.x << p.y;
    } else {
        for (Point& p : value) archive >> p.x >> p.y;
    }
}
