#include "exchange/CSettingDelete.h"

#include "color/CColorDataMng.h"
#include "gamma/CGammaDataMng.h"

void CSettingDelete::Delete(const std::string& name, int kind)
{
    // One transaction removes the entry, its tables, data file and profiles, or nothing.
    if (kind == CDataMngBase::kindGamma) {
        CGammaDataMng manager;
        manager.SetDriver(m_info);
        manager.DeleteSettingEverywhere(name);
    } else {
        CColorDataMng manager;
        manager.SetUtilityInfo(m_info);
        manager.DeleteCCM(name);
    }
}
