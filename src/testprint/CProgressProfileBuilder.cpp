#include "testprint/CProgressProfileBuilder.h"

#include "launch/CmyException.h"
#include "resources/resource.h"
#include "testprint/CEmfPrintDialog.h"

static_assert(IProfileBuilder::colorProfiles == CEmfPrintDialog::modeColorProfiles);
static_assert(IProfileBuilder::gammaProfiles == CEmfPrintDialog::modeGammaProfiles);

void CProgressProfileBuilder::BuildProfiles(const CUtilityInfo& info, int kind, const BYTE* tTable,
                                            const std::string& name, const std::string& catalogPath,
                                            const ProfileFiles& into)
{
    // The dialog's work reads the setting's identifier from the catalogue it is given.
    CUtilityInfo request = info;
    request.driverCatalogPath = catalogPath;
    if (CEmfPrintDialog::Run(request, kind, std::string(), tTable, name, &into) != 1) {
        throw CmyException(IDS_ERR_MODULE_FAILED);
    }
}
