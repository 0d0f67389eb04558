// Builds the three ICC profiles of a saved setting. The data managers store settings with or
// without a window: the wizard hands them a builder that shows its progress dialog, a tool
// without a user interface one that works silently.
#pragma once

#include <string>

#include "launch/CUtilityInfo.h"
#include "platform/win32api.h"

class IProfileBuilder {
public:
    static constexpr int colorProfiles = 4;
    static constexpr int gammaProfiles = 5;

    virtual ~IProfileBuilder() = default;

    // The profiles of setting name (kind colorProfiles or gammaProfiles) from its T table, for
    // the printer and driver of info; catalogPath is the catalogue that gives the setting's
    // identifier. Raises CmyException when a profile could not be built.
    virtual void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                               const std::string& catalogPath) = 0;
};
