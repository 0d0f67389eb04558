// Builds the three ICC profiles of a saved setting. The data managers store settings with or
// without a window: the wizard hands them a builder that shows its progress dialog, a tool
// without a user interface one that works silently.
#pragma once

#include <array>
#include <string>

#include "launch/CUtilityInfo.h"
#include "platform/win32api.h"

class IProfileBuilder {
public:
    static constexpr int colorProfiles = 4;
    static constexpr int gammaProfiles = 5;

    // The files the 300, 600 and 1200 dpi profiles are written to, whole.
    using ProfileFiles = std::array<std::string, 3>;

    virtual ~IProfileBuilder() = default;

    // The profiles of setting name (kind colorProfiles or gammaProfiles) from its T table, for
    // the printer and driver of info; catalogPath is the catalogue that gives the setting's
    // identifier. They go into the files of into (a transaction's staged copies), nowhere
    // else: installing them is the caller's. Raises CmyException when a profile could not be
    // built.
    virtual void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                               const std::string& catalogPath, const ProfileFiles& into) = 0;
};
