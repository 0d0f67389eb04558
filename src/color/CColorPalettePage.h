// The colour palette page: edits the colour-balance setting patch by patch.
#pragma once

#include "launch/CPageFunction.h"

class CColorPalettePage : public CPageFunction {
public:
    explicit CColorPalettePage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
