#include "color/CColorModule.h"

#include "color/ModuleLibrary.h"

CColorModule::CColorModule(const std::string& ccmVersion) : m_param{}
{
    m_module = ModuleLibrary::Load(ccmVersion);
}

CColorModule::~CColorModule()
{
    if (m_module) {
        ::FreeLibrary(m_module);
    }
}

CColorModule::DefaultFn CColorModule::DefaultFunction() const
{
    return reinterpret_cast<DefaultFn>(reinterpret_cast<void (*)()>(ModuleLibrary::Function(m_module, "PCA_GetDefaultPARAM")));
}

CColorModule::AdjustFn CColorModule::AdjustFunction() const
{
    return reinterpret_cast<AdjustFn>(reinterpret_cast<void (*)()>(ModuleLibrary::Function(m_module, "PCA_AdjustCCMPARAM")));
}

void CColorModule::CopyDefaults(const CCMPARAM& block, CColorData& out)
{
    for (int i = 0; i < CColorData::patchCount; ++i) {
        const CCMPARAM::Range& r = block.range[i];
        out.SetValue(i, block.value[i].x, block.value[i].y, -1);
        out.SetRanges(i, r.xFirst, r.xLast, r.yFirst, r.yLast);
    }
}

void CColorModule::LoadDefaults(CColorData& out, int mode)
{
    DefaultFn getDefaults = DefaultFunction();
    m_param.mode = mode;
    getDefaults(&m_param);
    CopyDefaults(m_param, out);
}

void CColorModule::GetDefaults(CColorData& out, int mode)
{
    DefaultFn getDefaults = DefaultFunction();
    CCMPARAM block{};
    block.mode = mode;
    getDefaults(&block);
    CopyDefaults(block, out);
}

void CColorModule::SetColorData(const CColorData& data, int mode)
{
    // The defaults come first so that a missing module leaves the block as it was.
    CColorData defaults;
    GetDefaults(defaults, 0);
    m_param.mode = mode;
    for (int i = 0; i < CColorData::patchCount; ++i) {
        int x = 0, y = 0;
        data.GetValue(i, x, y);
        m_param.value[i] = {x, y};
        m_param.changed[i] = defaults.IsValue(i, x, y) ? 0 : 1;
    }
}

int CColorModule::GetCCMSize()
{
    AdjustFn adjust = AdjustFunction();
    int size = 0;
    adjust(nullptr, nullptr, &m_param, &size, 0);
    return size;
}

void CColorModule::AdjustCCM(int flag, BYTE* tableT, BYTE* tableV)
{
    int size = GetCCMSize();
    AdjustFn adjust = AdjustFunction();
    adjust(tableT, tableV, &m_param, &size, flag);
}
