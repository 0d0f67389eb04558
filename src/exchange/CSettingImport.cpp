#include "exchange/CSettingImport.h"

#include <algorithm>
#include <iterator>

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

UINT CSettingImport::Check(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile)
{
    if (const UINT problem = CSettingFileCheck::CheckCatalog(settingFile)) return problem;
    for (int i = 0; i < names.GetSize() && static_cast<size_t>(i) < kinds.size(); ++i) {
        if (const UINT problem = CSettingFileCheck::CheckDataFile(settingFile, names[i], kinds[static_cast<size_t>(i)])) {
            return problem;
        }
    }
    return 0;
}

int CSettingImport::Import(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile)
{
    if (const UINT problem = Check(names, kinds, settingFile)) throw CmyException(problem, {}, CmyException::warning);
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
    const CFileAcc files;
    const bool emf = m_info.printMode == "EMF";

    // Everything is asked and read first; the data manager then stores the settings in one
    // go, so a failure leaves every stored setting and both catalogues as they were.
    std::vector<CDataMngBase::ImportedSetting> settings;
    for (int i = 0; i < names.GetSize(); ++i) {
        const std::string& sourceName = names[i];
        const int kind = kinds[static_cast<size_t>(i)];
        const bool gamma = kind == CDataMngBase::kindGamma;
        CCtrlMng& driver = gamma ? driverGamma : driverColour;
        CCtrlMng& source = gamma ? fileGamma : fileColour;

        const std::string sourceFile = source.GetDataFileName(sourceName);
        if (sourceFile.empty()) continue;
        // A stored name that differs only in case is the same catalogue key: the import
        // replaces that setting and keeps its spelling.
        const std::string stored = CCatalogKey::FindStored(driver.GetSettingNames(), sourceName);
        const std::string name = stored.empty() ? sourceName : stored;
        if (!driver.GetDataFileName(name).empty() && !m_user.ConfirmReplaceSetting(name)) continue;

        CDataMngBase::ImportedSetting setting;
        setting.kind = kind;
        setting.name = name;
        source.GetTables(sourceName, setting.tText, setting.vText);
        if (gamma) setting.mode = source.ReadNumber(sourceName);
        if (files.FileExists(folder + sourceFile)) {
            setting.dataFile = folder + sourceFile;
        } else {
            m_user.Warn(IDS_ERR_IMPORT_DATA_FILE, sourceFile, name);
        }
        if (emf && m_builder) {
            CTableText::Decode(setting.tText, setting.profileTable);
            // The module reads a table of the length its model uses, whatever the file held:
            // the rest reads as zeros, never beyond the buffer.
            setting.profileTable.resize(std::max(setting.profileTable.size(), CSettingFileCheck::maxTableBytes));
        } else if (emf) {
            for (size_t r = 0; r < std::size(exchange::profileResolutions); ++r) {
                const std::string from =
                    source.GetProfileFileName(exchange::KindWord(kind), exchange::profileResolutions[r], sourceName);
                if (!from.empty() && files.FileExists(folder + from)) {
                    setting.profiles[r] = folder + from;
                } else {
                    m_user.Warn(IDS_ERR_IMPORT_PROFILE, from, name);
                }
            }
        }
        settings.push_back(setting);
    }
    CColorDataMng manager;
    manager.SetUtilityInfo(m_info);
    manager.SetProfileBuilder(m_builder);
    return manager.ImportSettings(settings);
}
