// Template 1008: the stored-settings page. The picture fills its frame on the left; on the
// right the list of stored settings with the delete button, and the export and import of
// setting files. The texts come from the string library.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kFrame = SS_BLACKFRAME;
constexpr DWORD kPicture = SS_BITMAP;
constexpr DWORD kText = SS_LEFT;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr FwDialogItem kItems[] = {
    {1134, FW_CLASS_STATIC, "", kFrame, 0, 0, 0, 109, 193},
    {1086, FW_CLASS_STATIC, "", kPicture, 0, 0, 0, 109, 193},
    {1089, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 118, 2, 192, 104},
    {1092, FW_CLASS_STATIC, "", kText, 0, 126, 14, 176, 10},
    {1096, FW_CLASS_LISTBOX, "", kList, 0, 126, 26, 120, 64},
    {1091, FW_CLASS_BUTTON, "", kButton, 0, 252, 26, 50, 14},
    {1090, FW_CLASS_STATIC, "", kText, 0, 126, 92, 176, 10},
    {1093, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 118, 110, 192, 80},
    {1097, FW_CLASS_STATIC, "", kText, 0, 126, 122, 120, 26},
    {1094, FW_CLASS_BUTTON, "", kButton, 0, 252, 124, 50, 14},
    {1098, FW_CLASS_STATIC, "", kText, 0, 126, 154, 120, 26},
    {1095, FW_CLASS_BUTTON, "", kButton, 0, 252, 156, 50, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1008, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
