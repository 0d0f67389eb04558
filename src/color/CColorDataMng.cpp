#include "color/CColorDataMng.h"

#include <memory>

#include "color/CColorModule.h"
#include "gamma/CSilentProfileBuilder.h"
#include "launch/CmyException.h"
#include "printer/CPrinterDriverInfo.h"
#include "resources/resource.h"

CColorDataMng::CColorDataMng()
    : CDataMngBase(kindColor, CSilentProfileBuilder::Shared(), CPrinterDriverInfo::Shared())
{
}

void CColorDataMng::LoadDefaultData()
{
    CColorModule module(m_info.ccmVersion);
    CColorData defaults;
    module.LoadDefaults(defaults, 0);
    m_default = defaults;
}

void CColorDataMng::LoadStoredData()
{
    const std::string& name = m_info.selectedSettingName;
    std::string path = DataPathForLoad(name);
    std::unique_ptr<CObject> object;
    if (path.empty()) {
        // A name the catalogue does not know has no data to load.
        CmyException(IDS_ERR_SETTING_DATA_MISSING, name).Report();
    } else {
        object.reset(m_files.LoadObject(std::string(), path, RUNTIME_CLASS(CColorData), name));
    }
    auto* data = dynamic_cast<CColorData*>(object.get());
    m_current = data ? *data : m_default;
}

void CColorDataMng::ComputeTables(int userSettingSelected, const std::string& sourceName, CCcmTables& tables)
{
    CColorModule module(m_info.ccmVersion);
    module.SetColorData(m_current, 0);
    const int size = module.GetCCMSize();
    // Empty tables would be stored as a setting that changes nothing.
    if (size <= 0) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_info.driverCatalogPath);
    tables.Allocate(size);
    if (userSettingSelected) ReadTablesOfSize(sourceName, size, tables.T(), tables.V());
    tables.Compute(module, userSettingSelected ? 1 : 0);
}

int CColorDataMng::SaveCCM(const std::string& name, int userSettingSelected, const std::string& sourceName)
{
    CCcmTables tables;
    ComputeTables(userSettingSelected, sourceName, tables);
    StoreSetting(name, m_current, tables.T(), tables.V(), tables.GetSize(), 0);
    return 1;
}

void CColorDataMng::WriteTemporaryCCM(const std::string& name, int userSettingSelected, const std::string& sourceName)
{
    CCcmTables tables;
    ComputeTables(userSettingSelected, sourceName, tables);
    StoreTemporaryTables(name, tables.T(), tables.V(), tables.GetSize());
}
