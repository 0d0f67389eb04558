#include "exchange/CSettingCandidates.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "storage/CCtrlMng.h"

namespace {

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

CmyStringArray CSettingCandidates::ForExport(const std::string& catalogPath, int kind)
{
    CCtrlMng catalog;
    catalog.SetFile(catalogPath, kind);
    return catalog.GetSettingNames();
}

CmyStringArray CSettingCandidates::ForImport(const std::string& settingFile, const std::string& driverCatalog, int kind)
{
    CCtrlMng offered;
    offered.SetFile(settingFile, kind);
    CCtrlMng stored;
    stored.SetFile(driverCatalog, kind);

    std::vector<std::string> storedTables;
    for (const std::string& name : stored.GetSettingNames()) {
        std::string t, v;
        stored.GetTables(name, t, v);
        storedTables.push_back(t);
        storedTables.push_back(v);
    }
    CmyStringArray result;
    for (const std::string& name : offered.GetSettingNames()) {
        std::string t, v;
        offered.GetTables(name, t, v);
        const bool known = std::any_of(storedTables.begin(), storedTables.end(),
                                       [&](const std::string& table) { return SameText(v, table); });
        if (!known) result.Add(name);
    }
    return result;
}
