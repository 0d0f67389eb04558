// Builds a saved setting's profiles through the ICC module directly, with no window.
#pragma once

#include "storage/IProfileBuilder.h"

class CSilentProfileBuilder : public IProfileBuilder {
public:
    void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                       const std::string& catalogPath) override;
};
