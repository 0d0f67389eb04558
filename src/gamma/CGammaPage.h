// The gamma page: edits the gamma exponent and the six hue zones.
#pragma once

#include "launch/CPageFunction.h"

class CGammaPage : public CPageFunction {
public:
    explicit CGammaPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
