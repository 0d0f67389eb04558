// The save-setting page: stores the edited setting under a name; Finish only when nothing is unsaved.
#pragma once

#include "launch/CPageFunction.h"

class CSaveSettingPage : public CPageFunction {
public:
    explicit CSaveSettingPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
};
