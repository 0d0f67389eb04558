// Deletes one stored setting of the driver: its tables (and profiles) everywhere, its data
// file and its catalogue entry. A setting of the other kind with the same name stays.
#pragma once

#include <string>

#include "launch/CUtilityInfo.h"

class CSettingDelete {
public:
    explicit CSettingDelete(const CUtilityInfo& info) : m_info(info) {}

    // kind 1 colour, 2 gamma. Raises CmyException when a data manager reports a failure.
    void Delete(const std::string& name, int kind);

private:
    const CUtilityInfo& m_info;
};
