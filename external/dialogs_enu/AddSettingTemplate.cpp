// Template 1010: the dialog that lists the settings to export or import, every one ticked at
// first. Its title and texts come from the string library.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kList = LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr FwDialogItem kItems[] = {
    {1099, FW_CLASS_STATIC, "", SS_LEFT, 0, 7, 7, 186, 10},
    {1100, FW_CLASS_LISTBOX, "", kList, 0, 7, 20, 186, 110},
    {3, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 7, 136, 60, 14},
    {1105, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 77, 136, 56, 14},
    {1106, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 137, 136, 56, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1010, "", kDialogStyle, 0, 0, 200, 157, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
