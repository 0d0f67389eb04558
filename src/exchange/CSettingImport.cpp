#include "exchange/CSettingImport.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "color/CColorDataMng.h"
#include "color/CModelTableSize.h"
#include "exchange/ExchangeFiles.h"
#include "launch/CmyException.h"
#include "exchange/CSettingFileCheck.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CTableText.h"

namespace {

// The settings of one kind of a catalogue by name, from one walk of it.
std::map<std::string, CCtrlMng::Entry> EntriesByName(const std::string& catalogPath, int kind)
{
    CCtrlMng catalog;
    catalog.SetFile(catalogPath, kind);
    std::map<std::string, CCtrlMng::Entry> entries;
    for (CCtrlMng::Entry& entry : catalog.GetEntries()) entries.emplace(entry.name, std::move(entry));
    return entries;
}

}  // namespace

UINT CSettingImport::Check(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile)
{
    if (const UINT problem = CSettingFileCheck::CheckCatalog(settingFile)) return problem;
    return CheckDataFiles(names, kinds, settingFile);
}

UINT CSettingImport::CheckDataFiles(const CmyStringArray& names, const std::vector<int>& kinds,
                                    const std::string& settingFile)
{
    const std::map<std::string, CCtrlMng::Entry> offered[] = {EntriesByName(settingFile, CDataMngBase::kindColor),
                                                              EntriesByName(settingFile, CDataMngBase::kindGamma)};
    for (int i = 0; i < names.GetSize() && static_cast<size_t>(i) < kinds.size(); ++i) {
        const int kind = kinds[static_cast<size_t>(i)];
        const auto& entries = offered[kind == CDataMngBase::kindGamma ? 1 : 0];
        const auto entry = entries.find(names[i]);
        const std::string fileName = entry == entries.end() ? std::string() : entry->second.dataFile;
        if (const UINT problem = CSettingFileCheck::CheckDataFileNamed(settingFile, fileName, names[i], kind)) {
            return problem;
        }
    }
    return 0;
}

int CSettingImport::Import(const CmyStringArray& names, const std::vector<int>& kinds, CSettingFileCopy& copy)
{
    // The copy's catalogue was checked when it was taken; the data files of the chosen
    // settings are checked here.
    const std::string settingFile = copy.GetSettingFile();
    if (settingFile.empty()) throw CmyException(IDS_ERR_FILE_ACCESS, {}, CmyException::warning);
    if (const UINT problem = CheckDataFiles(names, kinds, settingFile)) {
        throw CmyException(problem, {}, CmyException::warning);
    }
    if (static_cast<size_t>(names.GetSize()) != kinds.size()) return 0;
    // Table bytes reach the printer as they are: only tables of the model's own size come in.
    const auto modelSize = [this](int kind) { return CModelTableSize::ForKind(m_info.ccmVersion, kind); };
    if (const UINT problem = CSettingFileCheck::CheckTableSizes(settingFile, names, kinds, modelSize)) {
        throw CmyException(problem, {}, CmyException::warning);
    }

    const std::string folder = CFileAcc::GetFolderPart(settingFile);
    CCtrlMng driverColour, driverGamma, fileColour, fileGamma;
    driverColour.SetFile(m_info.driverCatalogPath, CDataMngBase::kindColor);
    driverGamma.SetFile(m_info.driverCatalogPath, CDataMngBase::kindGamma);
    fileColour.SetFile(settingFile, CDataMngBase::kindColor);
    fileGamma.SetFile(settingFile, CDataMngBase::kindGamma);
    const bool emf = m_info.printMode == "EMF";
    // Each catalogue is walked once, whatever the number of settings.
    const CmyStringArray storedNames[] = {driverColour.GetSettingNames(), driverGamma.GetSettingNames()};
    const std::map<std::string, CCtrlMng::Entry> offered[] = {EntriesByName(settingFile, CDataMngBase::kindColor),
                                                              EntriesByName(settingFile, CDataMngBase::kindGamma)};
    const auto offeredEntry = [&](int i) -> const CCtrlMng::Entry* {
        const auto& entries = offered[kinds[static_cast<size_t>(i)] == CDataMngBase::kindGamma ? 1 : 0];
        const auto found = entries.find(names[i]);
        return found == entries.end() ? nullptr : &found->second;
    };
    const auto storedName = [&](int i) {
        return CCatalogKey::FindStored(storedNames[kinds[static_cast<size_t>(i)] == CDataMngBase::kindGamma ? 1 : 0],
                                       names[i]);
    };

    CColorDataMng manager;
    manager.SetUtilityInfo(m_info);
    manager.SetProfileBuilder(m_builder);
    // What would refuse the whole import is known before anything is asked or said: a
    // replaced setting keeps its entry, every other one needs a new one.
    int newSettings = 0;
    for (int i = 0; i < names.GetSize(); ++i) {
        if (offeredEntry(i) != nullptr && storedName(i).empty()) ++newSettings;
    }
    manager.CheckImportRoom(newSettings);

    // Everything is asked and read first; the data manager then stores the settings in one
    // go, so a failure leaves every stored setting and both catalogues as they were.
    std::vector<CDataMngBase::ImportedSetting> settings;
    std::vector<IExchangeUser::Omission> omissions;
    for (int i = 0; i < names.GetSize(); ++i) {
        const CCtrlMng::Entry* entry = offeredEntry(i);
        if (entry == nullptr) continue;
        const int kind = kinds[static_cast<size_t>(i)];
        const bool gamma = kind == CDataMngBase::kindGamma;
        CCtrlMng& source = gamma ? fileGamma : fileColour;
        // A stored name that differs only in case is the same catalogue key: the import
        // replaces that setting and keeps its spelling.
        const std::string stored = storedName(i);
        const std::string name = stored.empty() ? entry->name : stored;
        if (!stored.empty() && !m_user.ConfirmReplaceSetting(name)) continue;

        CDataMngBase::ImportedSetting setting;
        setting.kind = kind;
        setting.name = name;
        source.GetTablesById(entry->id, setting.tText, setting.vText);
        if (gamma) setting.mode = source.ReadNumber(entry->name);
        // The copy holds the data file exactly as it was checked.
        setting.hasData = CSettingFileCopy::ReadAtMost(folder + entry->dataFile, CSettingFileCopy::maxDataSize,
                                                       setting.data);
        if (!setting.hasData) omissions.push_back({IDS_ERR_IMPORT_DATA_FILE, entry->dataFile, name});
        if (emf && m_builder) {
            CTableText::Decode(setting.tText, setting.profileTable);
            // The module reads a table of the length its model uses, whatever the file held:
            // the rest reads as zeros, never beyond the buffer.
            setting.profileTable.resize(std::max(setting.profileTable.size(), CSettingFileCheck::maxTableBytes));
        } else if (emf) {
            for (size_t r = 0; r < std::size(exchange::profileResolutions); ++r) {
                const std::string from =
                    source.GetProfileFileName(exchange::KindWord(kind), exchange::profileResolutions[r], entry->name);
                setting.hasProfile[r] = !from.empty() && copy.ReadSourceFile(from, setting.profiles[r]);
                if (!setting.hasProfile[r]) omissions.push_back({IDS_ERR_IMPORT_PROFILE, from, name});
            }
        }
        settings.push_back(std::move(setting));
    }
    // The work folder is removed before anything is stored: once the settings are stored, no
    // later step may fail.
    if (!copy.Remove()) throw CmyException(IDS_ERR_FILE_ACCESS, {}, CmyException::warning);
    const int imported = manager.ImportSettings(settings);
    if (!omissions.empty()) m_user.WentWithout(omissions);
    return imported;
}
