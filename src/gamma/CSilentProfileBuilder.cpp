#include "gamma/CSilentProfileBuilder.h"

#include "gamma/CIccModule.h"

static_assert(IProfileBuilder::colorProfiles == CIccModule::colorProfiles);
static_assert(IProfileBuilder::gammaProfiles == CIccModule::gammaProfiles);

CSilentProfileBuilder& CSilentProfileBuilder::Shared()
{
    static CSilentProfileBuilder builder;
    return builder;
}

void CSilentProfileBuilder::BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable,
                                          const std::string& name, const std::string& catalogPath,
                                          const ProfileFiles& into)
{
    CIccModule module(info.ccmVersion);
    module.SetNames(info.driverName, info.printerName);
    module.MakeProfiles(tTable, kind, name, catalogPath, &into);
}
