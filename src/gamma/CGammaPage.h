// The gamma page: edits the gamma exponent and the six hue zones.
#pragma once

#include "gamma/CGammaDataMng.h"
#include "launch/CPageFunction.h"

class CGammaPage : public CPageFunction {
public:
    explicit CGammaPage(CUtilityInfo* info);

    BOOL OnSetActive() override;

    CGammaDataMng& GetDataMng() { return m_manager; }

private:
    CGammaDataMng m_manager;
};
