// The wizard state every page shares: the printer and driver being worked on, the values of
// the driver's capability file, the edit type, the selected setting and what earlier pages did.
#pragma once

#include <string>

#include "launch/CmyStringArray.h"

class CUtilityInfo {
public:
    CUtilityInfo() = default;
    // Copies every field.
    CUtilityInfo(const CUtilityInfo& other) = default;
    // Copies every field but reloadNeeded; the source's driver folders are appended.
    CUtilityInfo& operator=(const CUtilityInfo& other);
    virtual ~CUtilityInfo() = default;

    int printerGiven = 0;            // 1: the caller named the printer (no driver page)
    CmyStringArray driverFolders;    // the spooler's driver folders of driver versions 0 and 2
    int reloadNeeded = 0;            // 1: the colour or gamma page reloads on its next activation
    int dataSaved = 1;               // 0: the working setting has unsaved changes
    int defaultSettingNumber = -1;   // number of the selected gamma setting in the default lists
    int userSettingSelected = 0;     // 1: a user-saved setting, 0: a default entry
    int catalogRestored = 0;         // 1: the driver's catalogue was restored from the local copy
    std::string localCatalogPath;    // the catalogue's copy in the utility folder
    std::string ccmVersion;          // colour-correction version from the capability file
    std::string printerName;
    int editType = 0;                // 1 colour, 2 gamma, 3 setting exchange
    std::string driverName;
    std::string driverCatalogPath;   // the driver's setting catalogue file
    std::string selectedSettingName;
    std::string printMode;           // test-print mode of the printer model
};
