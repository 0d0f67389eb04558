// Template 110: the colour setting-select page. For now a plain page; its controls come with the page's behaviour.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {0xFFFF, FW_CLASS_STATIC, "", SS_LEFT, 0, 7, 4, 303, 10},
};

constexpr FwDialogTemplate kTemplate = {
    110, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
