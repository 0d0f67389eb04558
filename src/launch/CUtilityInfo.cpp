#include "launch/CUtilityInfo.h"

CUtilityInfo& CUtilityInfo::operator=(const CUtilityInfo& other)
{
    // Appending a list to itself would double it; assigning an object to itself changes nothing.
    if (this == &other) return *this;
    printerGiven = other.printerGiven;
    driverFolders.AppendAll(other.driverFolders);
    dataSaved = other.dataSaved;
    defaultSettingNumber = other.defaultSettingNumber;
    userSettingSelected = other.userSettingSelected;
    catalogRestored = other.catalogRestored;
    localCatalogPath = other.localCatalogPath;
    ccmVersion = other.ccmVersion;
    printerName = other.printerName;
    editType = other.editType;
    driverName = other.driverName;
    driverCatalogPath = other.driverCatalogPath;
    selectedSettingName = other.selectedSettingName;
    printMode = other.printMode;
    return *this;
}
