#include "exchange/CSettingCandidates.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "storage/CCtrlMng.h"

namespace {

// Table texts compare without regard to the case of their hexadecimal digits.
std::string Folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
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

    // One walk of each catalogue: the work grows with the number of settings, not its square.
    std::unordered_set<std::string> storedTables;
    for (const CCtrlMng::Entry& entry : stored.GetEntries()) {
        std::string t, v;
        stored.GetTablesById(entry.id, t, v);
        storedTables.insert(Folded(t));
        storedTables.insert(Folded(v));
    }
    CmyStringArray result;
    for (const CCtrlMng::Entry& entry : offered.GetEntries()) {
        std::string t, v;
        offered.GetTablesById(entry.id, t, v);
        if (storedTables.count(Folded(v)) == 0) result.Add(entry.name);
    }
    return result;
}
