// Template 1004: the gamma page. The gamma slider with its value, scale and curve picture on
// top; below, the six colour zones (radio button, colour swatch, name), the zone's two
// pictures, the hue and level sliders and the hue-from-printer check box. Texts come from the
// string library; pictures are set into their frames' places when shown.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kFrame = SS_BLACKFRAME;
constexpr DWORD kPicture = SS_BITMAP;
constexpr DWORD kText = SS_LEFT;
constexpr DWORD kValue = SS_CENTER;
constexpr DWORD kSwatch = SS_LEFT | SS_NOTIFY | SS_SUNKEN;
constexpr DWORD kRadio = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD kSlider = TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

constexpr FwDialogItem kItems[] = {
    {1073, FW_CLASS_STATIC, "", kText, 0, 7, 4, 303, 10},

    // Gamma.
    {1050, FW_CLASS_STATIC, "", kText, 0, 7, 21, 38, 10},
    {1052, FW_CLASS_TRACKBAR, "", kSlider | WS_GROUP, 0, 46, 17, 134, 16},
    {1051, FW_CLASS_STATIC, "", kValue, 0, 182, 21, 22, 10},
    {1140, FW_CLASS_STATIC, "", kFrame, 0, 50, 35, 126, 14},
    {1054, FW_CLASS_STATIC, "", kPicture, 0, 50, 35, 126, 14},
    {1053, FW_CLASS_STATIC, "", kText, 0, 7, 53, 197, 18},
    {1139, FW_CLASS_STATIC, "", kFrame, 0, 212, 16, 98, 56},
    {1103, FW_CLASS_STATIC, "", kPicture, 0, 212, 16, 98, 56},

    // Zones.
    {1056, FW_CLASS_BUTTON, "", BS_GROUPBOX, 0, 7, 75, 303, 114},
    {1057, FW_CLASS_STATIC, "", kText, 0, 14, 87, 70, 10},
    {1058, FW_CLASS_BUTTON, "", kRadio | WS_GROUP, 0, 14, 99, 10, 10},
    {1143, FW_CLASS_STATIC, "", kSwatch, 0, 26, 99, 12, 10},
    {1123, FW_CLASS_STATIC, "", kText, 0, 42, 100, 44, 10},
    {1059, FW_CLASS_BUTTON, "", kRadio, 0, 14, 113, 10, 10},
    {1144, FW_CLASS_STATIC, "", kSwatch, 0, 26, 113, 12, 10},
    {1124, FW_CLASS_STATIC, "", kText, 0, 42, 114, 44, 10},
    {1060, FW_CLASS_BUTTON, "", kRadio, 0, 14, 127, 10, 10},
    {1145, FW_CLASS_STATIC, "", kSwatch, 0, 26, 127, 12, 10},
    {1125, FW_CLASS_STATIC, "", kText, 0, 42, 128, 44, 10},
    {1061, FW_CLASS_BUTTON, "", kRadio, 0, 14, 141, 10, 10},
    {1146, FW_CLASS_STATIC, "", kSwatch, 0, 26, 141, 12, 10},
    {1126, FW_CLASS_STATIC, "", kText, 0, 42, 142, 44, 10},
    {1062, FW_CLASS_BUTTON, "", kRadio, 0, 14, 155, 10, 10},
    {1147, FW_CLASS_STATIC, "", kSwatch, 0, 26, 155, 12, 10},
    {1127, FW_CLASS_STATIC, "", kText, 0, 42, 156, 44, 10},
    {1063, FW_CLASS_BUTTON, "", kRadio, 0, 14, 169, 10, 10},
    {1148, FW_CLASS_STATIC, "", kSwatch, 0, 26, 169, 12, 10},
    {1128, FW_CLASS_STATIC, "", kText, 0, 42, 170, 44, 10},

    {1141, FW_CLASS_STATIC, "", kFrame, 0, 90, 87, 50, 50},
    {1071, FW_CLASS_STATIC, "", kPicture, 0, 90, 87, 50, 50},
    {1142, FW_CLASS_STATIC, "", kFrame, 0, 144, 87, 50, 50},
    {1072, FW_CLASS_STATIC, "", kPicture, 0, 144, 87, 50, 50},

    {1070, FW_CLASS_STATIC, "", kText, 0, 200, 87, 60, 10},
    {1066, FW_CLASS_TRACKBAR, "", kSlider | WS_GROUP, 0, 198, 97, 90, 16},
    {1064, FW_CLASS_STATIC, "", kValue, 0, 288, 100, 18, 10},
    {1069, FW_CLASS_STATIC, "", kText, 0, 200, 117, 60, 10},
    {1067, FW_CLASS_TRACKBAR, "", kSlider | WS_GROUP, 0, 198, 127, 90, 16},
    {1065, FW_CLASS_STATIC, "", kValue, 0, 288, 130, 18, 10},
    {1068, FW_CLASS_BUTTON, "", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0, 200, 148, 106, 10},

    {1074, FW_CLASS_BUTTON, "", kButton | WS_GROUP, 0, 90, 168, 100, 14},
    {1075, FW_CLASS_BUTTON, "", kButton, 0, 200, 168, 100, 14},
};

constexpr FwDialogTemplate kTemplate = {
    1004, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
