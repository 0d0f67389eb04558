#include "color/CCoreModule.h"

#include <cmath>

#include "color/ModuleLibrary.h"

CCoreModule::CCoreModule(const std::string& ccmVersion) : m_param{}
{
    m_module = ModuleLibrary::Load(ccmVersion);
}

CCoreModule::~CCoreModule()
{
    if (m_module) {
        ::FreeLibrary(m_module);
    }
}

CCoreModule::BlockFn CCoreModule::BlockFunction(const char* name) const
{
    return reinterpret_cast<BlockFn>(reinterpret_cast<void (*)()>(ModuleLibrary::Function(m_module, name)));
}

CCoreModule::AdjustFn CCoreModule::AdjustFunction() const
{
    return reinterpret_cast<AdjustFn>(reinterpret_cast<void (*)()>(ModuleLibrary::Function(m_module, "MCA_AdjustCCMPARAM")));
}

int32_t CCoreModule::GammaToModule(double gamma)
{
    // A damaged data file may hold any double: keep the conversion defined.
    const double scaled = gamma * 100.0;
    if (!std::isfinite(scaled)) {
        return 0;
    }
    if (scaled >= 2147483647.0) return INT32_MAX;
    if (scaled <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(std::lround(scaled));
}

const COREPARAM& CCoreModule::GetDefaults(int mode)
{
    BlockFn getDefaults = BlockFunction("MCA_GetDefaultPARAM");
    m_param.mode = mode;
    getDefaults(&m_param);
    return m_param;
}

int CCoreModule::GetPrinterHue(int zone)
{
    if (zone < 0 || zone >= CGammaData::zoneCount) {
        return 0;
    }
    BlockFn getHue = BlockFunction("MCA_GetPrinterHUE");
    m_param.zone[zone].hueFromPrinter = 1;
    getHue(&m_param);
    return m_param.zone[zone].hue;
}

void CCoreModule::SetGammaData(const CGammaData& data, int mode)
{
    int hue[CGammaData::zoneCount], fromPrinter[CGammaData::zoneCount], level[CGammaData::zoneCount];
    data.GetHue(hue);
    data.GetHueFromPrinter(fromPrinter);
    data.GetLevel(level);
    m_param.mode = mode;
    for (int32_t& gamma : m_param.gamma) {
        gamma = GammaToModule(data.GetGamma());
    }
    for (int z = 0; z < CGammaData::zoneCount; ++z) {
        m_param.zone[z] = {hue[z], fromPrinter[z]};
        m_param.level[z] = level[z];
    }
}

int CCoreModule::GetCCMSize()
{
    AdjustFn adjust = AdjustFunction();
    int size = 0;
    adjust(nullptr, nullptr, &m_param, &size, 0);
    return size;
}

void CCoreModule::AdjustCCM(int flag, BYTE* tableT, BYTE* tableV)
{
    int size = GetCCMSize();
    AdjustFn adjust = AdjustFunction();
    adjust(tableT, tableV, &m_param, &size, flag);
}
