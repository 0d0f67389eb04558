#include "exchange/CSettingImport.h"

#include <algorithm>

#include "exchange/ExchangeFiles.h"
#include "launch/CmyException.h"
#include "pages/CSettingFileCheck.h"
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

void CSettingImport::CopyProfiles(const std::string& folder, const std::string& sourceName, const std::string& name,
                                  int kind, const std::string& settingFile)
{
    CCtrlMng source;
    source.SetFile(settingFile, kind);
    CCtrlMng driver;
    driver.SetFile(m_info.driverCatalogPath, kind);
    const CFileAcc files;
    for (int resolution : exchange::profileResolutions) {
        const std::string from = source.GetProfileFileName(exchange::KindWord(kind), resolution, sourceName);
        const std::string to = driver.GetProfileFileName(exchange::KindWord(kind), resolution, name);
        const std::string target = files.GetDataPath(to, m_info.driverName);
        if (!from.empty() && !to.empty() && files.CopyFile(folder + from, target, FALSE) == 0) {
            // The driver reads the profiles from its own folder too; the copy keeps the name
            // the catalogue registers.
            CPrint printer;
            if (printer.LoadDriverInfo(m_info.printerName)) {
                const std::string driverFolder = printer.GetDriverFolder();
                files.CreateFolder(m_info.driverName, driverFolder);
                files.CopyToFolder(target, driverFolder + m_info.driverName);
            }
        } else {
            m_user.Warn(IDS_ERR_IMPORT_PROFILE, from, name);
        }
        driver.RegisterProfiles(name, m_info.printerName, m_info.driverName, 1);
    }
}

int CSettingImport::Import(const CmyStringArray& names, const std::vector<int>& kinds, const std::string& settingFile)
{
    if (const UINT problem = Check(names, kinds, settingFile)) throw CmyException(problem, {}, CmyException::warning);
    if (static_cast<size_t>(names.GetSize()) != kinds.size()) return 0;

    const std::string folder = CFileAcc::GetFolderPart(settingFile);
    CCtrlMng driverColour, driverGamma, fileColour, fileGamma;
    driverColour.SetFile(m_info.driverCatalogPath, CDataMngBase::kindColor);
    driverGamma.SetFile(m_info.driverCatalogPath, CDataMngBase::kindGamma);
    fileColour.SetFile(settingFile, CDataMngBase::kindColor);
    fileGamma.SetFile(settingFile, CDataMngBase::kindGamma);
    const CFileAcc files;

    int imported = 0;
    try {
        for (int i = 0; i < names.GetSize(); ++i) {
            if (driverColour.GetTotalSettingCount() > CCtrlMng::maxSettings) {
                throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
            }
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
            std::string target = driver.GetDataFileName(name);
            if (!target.empty() && !m_user.ConfirmReplaceSetting(name)) continue;
            std::string tText, vText;
            source.GetTables(sourceName, tText, vText);
            if (target.empty()) target = driver.AddSetting(name);
            if (gamma) driver.WriteNumber(name, source.ReadNumber(sourceName));
            driver.SetTables(name, tText, vText);

            if (files.CopyFile(folder + sourceFile, files.GetDataPath(target, m_info.driverName), FALSE) != 0) {
                m_user.Warn(IDS_ERR_IMPORT_DATA_FILE, sourceFile, name);
            }
            if (m_info.printMode == "EMF") {
                if (m_builder) BuildProfiles(name, kind, tText);
                else CopyProfiles(folder, sourceName, name, kind, settingFile);
            }
            ++imported;
        }
    } catch (...) {
        if (imported > 0) KeepLocalCopy();
        throw;
    }
    if (imported > 0) KeepLocalCopy();
    return imported;
}

void CSettingImport::BuildProfiles(const std::string& name, int kind, const std::string& tText)
{
    CCtrlMng driver;
    driver.SetFile(m_info.driverCatalogPath, kind);
    driver.RegisterProfiles(name, m_info.printerName, m_info.driverName, 1);
    std::vector<BYTE> table;
    CTableText::Decode(tText, table);
    // The module reads a table of the length its model uses, whatever the file held: the rest
    // reads as zeros, never beyond the buffer.
    table.resize(std::max(table.size(), CSettingFileCheck::maxTableBytes));
    const int profiles = kind == CDataMngBase::kindGamma ? IProfileBuilder::gammaProfiles : IProfileBuilder::colorProfiles;
    m_builder->BuildProfiles(m_info, profiles, table.data(), name, m_info.driverCatalogPath);
}

void CSettingImport::KeepLocalCopy()
{
    // The local copy is what restores the catalogue after the driver replaced it; without the
    // imported settings they would be lost then.
    CCtrlMng catalog;
    catalog.SetFile(m_info.driverCatalogPath, CDataMngBase::kindColor);
    catalog.MarkUpdated();
    CFileAcc().CopyIntoFolder(m_info.driverCatalogPath, m_info.driverName);
}
