// Builds a saved setting's profiles through the ICC module directly, with no window.
#pragma once

#include "storage/IProfileBuilder.h"

class CSilentProfileBuilder : public IProfileBuilder {
public:
    // The data managers' default: it keeps nothing between builds.
    static CSilentProfileBuilder& Shared();

    void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                       const std::string& catalogPath, const ProfileFiles& into) override;
};
