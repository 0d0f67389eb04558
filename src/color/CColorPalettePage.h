// The colour palette page: edits the colour-balance setting patch by patch.
#pragma once

#include "color/CColorDataMng.h"
#include "launch/CPageFunction.h"

class CColorPalettePage : public CPageFunction {
public:
    explicit CColorPalettePage(CUtilityInfo* info);

    BOOL OnSetActive() override;

    CColorDataMng& GetDataMng() { return m_manager; }

private:
    CColorDataMng m_manager;
};
