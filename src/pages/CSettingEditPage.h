// The setting-exchange page: exports, imports and deletes stored settings.
#pragma once

#include "launch/CPageFunction.h"

class CSettingEditPage : public CPageFunction {
public:
    explicit CSettingEditPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
