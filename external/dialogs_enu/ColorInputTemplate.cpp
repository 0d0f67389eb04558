// Template 1000: the colour input dialog. The swatch and the two step lists on the left, the
// printer default beside them, the explaining picture below, OK and Cancel at the bottom.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kText = SS_LEFT;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

constexpr FwDialogItem kItems[] = {
    {1078, FW_CLASS_STATIC, "", kText, 0, 7, 6, 246, 10},
    {1046, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 7, 22, 30, 30},
    {1033, FW_CLASS_STATIC, "", kText, 0, 44, 22, 90, 10},
    {1031, FW_CLASS_STATIC, "", kText, 0, 44, 36, 38, 10},
    {1040, FW_CLASS_COMBOBOX, "", kList | WS_GROUP, 0, 84, 34, 48, 120},
    {1032, FW_CLASS_STATIC, "", kText, 0, 44, 52, 38, 10},
    {1041, FW_CLASS_COMBOBOX, "", kList, 0, 84, 50, 48, 120},
    {1036, FW_CLASS_STATIC, "", kText, 0, 144, 22, 109, 10},
    {1034, FW_CLASS_STATIC, "", kText, 0, 144, 36, 40, 10},
    {1038, FW_CLASS_STATIC, "", kText, 0, 186, 36, 30, 10},
    {1035, FW_CLASS_STATIC, "", kText, 0, 144, 52, 40, 10},
    {1039, FW_CLASS_STATIC, "", kText, 0, 186, 52, 30, 10},
    {1037, FW_CLASS_STATIC, "", kText, 0, 7, 70, 246, 10},
    {1138, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 7, 84, 120, 40},
    {1101, FW_CLASS_STATIC, "", SS_BITMAP, 0, 7, 84, 120, 40},
    {1153, FW_CLASS_STATIC, "", kText, 0, 134, 84, 119, 30},
    {1030, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 148, 130, 50, 14},
    {1102, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 203, 130, 50, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1000, "", kDialogStyle, 0, 0, 260, 150, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
