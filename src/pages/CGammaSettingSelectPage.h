// The gamma setting-select page: picks the stored or default gamma setting to start from.
#pragma once

#include "launch/CPageFunction.h"

class CGammaSettingSelectPage : public CPageFunction {
public:
    explicit CGammaSettingSelectPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
