#include "color/CModelTableSize.h"

#include "color/CColorModule.h"
#include "color/CCoreModule.h"

int CModelTableSize::ForKind(const std::string& ccmVersion, int kind)
{
    if (kind == 1) return CColorModule(ccmVersion).GetCCMSize();
    if (kind == 2) return CCoreModule(ccmVersion).GetCCMSize();
    return 0;
}
