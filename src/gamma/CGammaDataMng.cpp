#include "gamma/CGammaDataMng.h"

#include <cstdlib>
#include <memory>

#include "color/CCoreModule.h"
#include "gamma/CSilentProfileBuilder.h"
#include "launch/CmyException.h"
#include "printer/CPrinterDriverInfo.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CIniUtility.h"

CGammaDataMng::CGammaDataMng()
    : CDataMngBase(kindGamma, CSilentProfileBuilder::Shared(), CPrinterDriverInfo::Shared())
{
}

namespace {

// The mode is stored under the name, so a name that reads as another catalogue key would
// overwrite that key.
void RequireUsableName(const std::string& name)
{
    if (!CCatalogKey::IsUsableName(name)) {
        throw CmyException(IDS_ERR_NAME_OF_DEFAULT_SETTING, name, CmyException::warning);
    }
}

}  // namespace

void CGammaDataMng::LoadSetting(const std::string& name)
{
    std::string path = DataPathForLoad(name);
    std::unique_ptr<CObject> object;
    if (path.empty()) {
        // A name the catalogue does not know has no data to load.
        CmyException(IDS_ERR_SETTING_DATA_MISSING, name).Report();
    } else {
        object.reset(m_files.LoadObject(std::string(), path, RUNTIME_CLASS(CGammaData), name));
    }
    auto* data = dynamic_cast<CGammaData*>(object.get());
    m_current = data ? *data : m_stored;
}

std::string CGammaDataMng::GetDefaultSettingValue(const std::string& version, const std::string& name) const
{
    return CIniUtility().GetDefaultSettingValue(version, name);
}

void CGammaDataMng::LoadDefaultSetting(const std::string& name)
{
    const std::string value = GetDefaultSettingValue(m_info.ccmVersion, name);
    const int mode = static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
    CCoreModule module(m_info.ccmVersion);
    const COREPARAM& block = module.GetDefaults(mode);
    int hue[CGammaData::zoneCount], fromPrinter[CGammaData::zoneCount], level[CGammaData::zoneCount];
    for (int i = 0; i < CGammaData::zoneCount; ++i) {
        hue[i] = block.zone[i].hue;
        fromPrinter[i] = block.zone[i].hueFromPrinter;
        level[i] = block.level[i];
    }
    m_current.SetGamma(block.gamma[0] / 100.0);
    m_current.SetHue(hue, fromPrinter);
    m_current.SetLevel(level);
}

int CGammaDataMng::ComputeTables(int userSettingSelected, const std::string& sourceName, CCcmTables& tables)
{
    CCoreModule module(m_info.ccmVersion);
    const int mode = userSettingSelected == 1 ? GetSettingMode(sourceName) : m_info.defaultSettingNumber;
    module.SetGammaData(m_current, mode);
    const int size = module.GetCCMSize();
    if (size <= 0) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_info.driverCatalogPath);
    tables.Allocate(size);
    if (userSettingSelected == 1) ReadTablesOfSize(sourceName, size, tables.T(), tables.V());
    tables.Compute(module, userSettingSelected == 1 ? 1 : 0);
    return mode;
}

int CGammaDataMng::SaveSetting(const std::string& name, int userSettingSelected, const std::string& sourceName)
{
    RequireUsableName(name);
    CCcmTables tables;
    const int mode = ComputeTables(userSettingSelected, sourceName, tables);
    StoreSetting(name, m_current, tables.T(), tables.V(), tables.GetSize(), mode);
    return 1;
}

void CGammaDataMng::SaveTemporarySetting(const std::string& name, int userSettingSelected,
                                         const std::string& sourceName)
{
    CCcmTables tables;
    m_catalog.WriteNumber(name, ComputeTables(userSettingSelected, sourceName, tables));
    StoreTemporaryTables(name, tables.T(), tables.V(), tables.GetSize());
}
