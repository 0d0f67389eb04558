#include "dialogs_enu/TemplateRegistry.h"

#include <map>

#ifdef _WIN32
#define XV_EXPORT extern "C" __declspec(dllexport)
#else
#define XV_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace xvdlg {
namespace {

std::map<UINT, const FwDialogTemplate*>& Templates() {
    static std::map<UINT, const FwDialogTemplate*> templates;
    return templates;
}

}  // namespace

void TemplateRegistry::Add(const FwDialogTemplate* dialogTemplate) { Templates()[dialogTemplate->id] = dialogTemplate; }

const FwDialogTemplate* TemplateRegistry::Find(UINT id) {
    const auto found = Templates().find(id);
    return found == Templates().end() ? nullptr : found->second;
}

}  // namespace xvdlg

XV_EXPORT const FwDialogTemplate* XvGetDialogTemplate(UINT id) { return xvdlg::TemplateRegistry::Find(id); }
