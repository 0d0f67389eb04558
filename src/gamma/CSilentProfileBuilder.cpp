#include "gamma/CSilentProfileBuilder.h"

#include "gamma/CIccModule.h"

static_assert(IProfileBuilder::colorProfiles == CIccModule::colorProfiles);
static_assert(IProfileBuilder::gammaProfiles == CIccModule::gammaProfiles);

void CSilentProfileBuilder::BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable,
                                          const std::string& name, const std::string& catalogPath)
{
    CIccModule module(info.ccmVersion);
    module.SetNames(info.driverName, info.printerName);
    module.MakeProfiles(tTable, kind, name, catalogPath);
}
