#include "exchange/CSettingDelete.h"

#include "color/CColorDataMng.h"
#include "gamma/CGammaDataMng.h"

void CSettingDelete::Delete(const std::string& name, int kind)
{
    if (kind == CDataMngBase::kindGamma) {
        CGammaDataMng manager;
        manager.SetDriver(m_info);
        manager.DeleteSettingEverywhere(name);
        manager.DeleteDataFile(name);
        manager.RemoveCatalogEntry(name);
    } else {
        CColorDataMng manager;
        manager.SetUtilityInfo(m_info);
        manager.DeleteCCM(name);
        manager.DeleteDataFile(name);
        manager.RemoveSetting(name);
    }
}
