// Template 111: the colour palette page. The palette takes the left part in a frame; the
// explanations and the two buttons stand to its right. Texts come from the string library.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kText = SS_LEFT;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// The palette needs at least 8 x 30 by 5 x 30 pixels of client area: 196 x 150 units give
// 294 x 243 pixels.
constexpr FwDialogItem kItems[] = {
    {1026, FW_CLASS_STATIC, "", kText, 0, 7, 4, 303, 10},
    {1027, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 5, 16, 204, 172},
    {1025, FW_CLASS_STATIC, "", SS_OWNERDRAW | SS_NOTIFY, 0, 9, 28, 196, 150},
    {1028, FW_CLASS_STATIC, "", kText, 0, 216, 20, 94, 72},
    {1109, FW_CLASS_STATIC, "", kText, 0, 216, 98, 94, 40},
    {1029, FW_CLASS_BUTTON, "", kButton | WS_GROUP, 0, 216, 152, 94, 14},
    {1003, FW_CLASS_BUTTON, "", kButton, 0, 216, 172, 94, 14},
};

constexpr FwDialogTemplate kTemplate = {
    111, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
