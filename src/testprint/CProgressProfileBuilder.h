// Builds a saved setting's profiles while the progress dialog is on screen (the wizard's way).
#pragma once

#include "storage/IProfileBuilder.h"

class CProgressProfileBuilder : public IProfileBuilder {
public:
    // Raises the work's own message, or IDS_ERR_MODULE_FAILED when the dialog could not run.
    void BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable, const std::string& name,
                       const std::string& catalogPath, const ProfileFiles& into) override;
};
