// Template 112: the gamma setting-select page: the stored and default gamma settings.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1149, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 0, 0, 109, 193},
    {1150, FW_CLASS_STATIC, "", SS_BITMAP, 0, 0, 0, 109, 193},
    {1151, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 6, 192, 24},
    {1152, FW_CLASS_LISTBOX, "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 118, 34, 192, 140},
};

constexpr FwDialogTemplate kTemplate = {
    112, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
