// Template 1165: the about dialog (application icon, fixed text, version, copyright, OK).
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1164, FW_CLASS_STATIC, "", SS_ICON, 0, 10, 10, 21, 20},
    {1160, FW_CLASS_STATIC, "", SS_LEFT, 0, 40, 10, 170, 10},
    {1161, FW_CLASS_STATIC, "", SS_LEFT, 0, 40, 24, 170, 10},
    {1162, FW_CLASS_STATIC, "", SS_LEFT, 0, 40, 38, 170, 10},
    {1163, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 166, 56, 50, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1165, "", kDialogStyle, 0, 0, 222, 76, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
