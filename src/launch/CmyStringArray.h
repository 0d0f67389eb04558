// The list of setting names passed between the parts of the utility.
#pragma once

#include "framework/CStringArray.h"

class CmyStringArray : public CStringArray {
public:
    CmyStringArray() = default;
    CmyStringArray(const CmyStringArray& other) : CStringArray(other) {}
    CmyStringArray& operator=(const CmyStringArray& other) = default;
    // Appends every entry of other, keeping its order.
    void AppendAll(const CStringArray& other) { Append(other); }
};
