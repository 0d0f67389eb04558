// Template 1155: the question before a stored setting is overwritten: overwrite, another
// name, cancel.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1400, FW_CLASS_STATIC, "", SS_ICON, 0, 10, 10, 21, 20},
    {1156, FW_CLASS_STATIC, "", SS_LEFT, 0, 40, 10, 190, 36},
    {1157, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 40, 56, 60, 14},
    {1158, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 104, 56, 70, 14},
    {1159, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 178, 56, 52, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1155, "", kDialogStyle, 0, 0, 240, 78, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
