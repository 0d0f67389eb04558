// Template 108: the first wizard page, where the user chooses what to edit. The texts come
// from the string library; the pictures are set into their frames' places when shown.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kFrame = SS_BLACKFRAME;
constexpr DWORD kPicture = SS_BITMAP;
constexpr DWORD kText = SS_LEFT;
constexpr DWORD kRadio = BS_RADIOBUTTON | WS_TABSTOP;

constexpr FwDialogItem kItems[] = {
    {1129, FW_CLASS_STATIC, "", kFrame, 0, 0, 0, 109, 193},
    {1011, FW_CLASS_STATIC, "", kPicture, 0, 0, 0, 109, 193},
    {1007, FW_CLASS_STATIC, "", kText, 0, 118, 4, 192, 10},
    {1001, FW_CLASS_STATIC, "", kText, 0, 118, 16, 192, 16},
    {1009, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 118, 36, 192, 92},
    {1012, FW_CLASS_BUTTON, "", kRadio | WS_GROUP, 0, 126, 50, 112, 12},
    {1130, FW_CLASS_STATIC, "", kFrame, 0, 244, 46, 64, 39},
    {1005, FW_CLASS_STATIC, "", kPicture, 0, 244, 46, 64, 39},
    {1013, FW_CLASS_BUTTON, "", kRadio, 0, 126, 92, 112, 12},
    {1131, FW_CLASS_STATIC, "", kFrame, 0, 244, 86, 64, 39},
    {1076, FW_CLASS_STATIC, "", kPicture, 0, 244, 86, 64, 39},
    {1015, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 118, 134, 192, 56},
    {1014, FW_CLASS_BUTTON, "", kRadio, 0, 126, 156, 112, 12},
    {1132, FW_CLASS_STATIC, "", kFrame, 0, 244, 142, 64, 39},
    {1077, FW_CLASS_STATIC, "", kPicture, 0, 244, 142, 64, 39},
};

constexpr FwDialogTemplate kTemplate = {
    108, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
