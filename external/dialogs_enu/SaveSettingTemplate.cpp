// Template 1002: the save-setting page: the name of the setting and the save button.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1137, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 0, 0, 109, 193},
    {1049, FW_CLASS_STATIC, "", SS_BITMAP, 0, 0, 0, 109, 193},
    {1042, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 6, 192, 24},
    {1043, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 118, 38, 192, 62},
    {1044, FW_CLASS_STATIC, "", SS_LEFT, 0, 126, 52, 176, 10},
    {1107, FW_CLASS_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, WS_EX_CLIENTEDGE, 126, 66, 120, 14},
    {1045, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 252, 66, 50, 14},
    {1108, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 150, 192, 30},
};

constexpr FwDialogTemplate kTemplate = {
    1002, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
