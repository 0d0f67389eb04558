#include "color/ModuleLibrary.h"

#include "launch/CLibraryLoader.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

HMODULE ModuleLibrary::Load(const std::string& ccmVersion)
{
    const std::string library = CIniUtility().GetVersionValue(ccmVersion, "Module");
    return CLibraryLoader::LoadOwn(library);
}

FARPROC ModuleLibrary::Function(HMODULE module, const char* name)
{
    FARPROC function = module ? ::GetProcAddress(module, name) : nullptr;
    if (function == nullptr) throw CmyException(IDS_ERR_MODULE_FAILED);
    return function;
}
