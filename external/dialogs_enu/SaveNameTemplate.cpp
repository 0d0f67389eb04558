// Template 1112: the dialog that asks for another name for the setting being saved.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1116, FW_CLASS_STATIC, "", SS_LEFT, 0, 10, 8, 180, 10},
    {1113, FW_CLASS_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, WS_EX_CLIENTEDGE, 10, 22, 180, 14},
    {1114, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 86, 46, 50, 14},
    {1115, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 140, 46, 50, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1112, "", kDialogStyle, 0, 0, 200, 68, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
