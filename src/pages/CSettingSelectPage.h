// The colour setting-select page: picks the stored or default colour setting to start from.
#pragma once

#include "launch/CPageFunction.h"

class CSettingSelectPage : public CPageFunction {
public:
    explicit CSettingSelectPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
