// Which settings an export or an import can offer. An import offers only the settings of the
// setting file whose tables no stored setting of the same kind has already.
#pragma once

#include <string>

#include "launch/CmyStringArray.h"

class CSettingCandidates {
public:
    // Every setting of the kind (1 colour, 2 gamma) in the catalogue, in catalogue order.
    static CmyStringArray ForExport(const std::string& catalogPath, int kind);
    // The settings of the kind in settingFile whose V table matches neither table of any
    // setting of that kind in driverCatalog (letter case ignored).
    static CmyStringArray ForImport(const std::string& settingFile, const std::string& driverCatalog, int kind);
};
