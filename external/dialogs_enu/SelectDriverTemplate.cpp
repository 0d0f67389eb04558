// Template 109: the wizard page that lists the supported printers.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1136, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 0, 0, 109, 193},
    {1019, FW_CLASS_STATIC, "", SS_BITMAP, 0, 0, 0, 109, 193},
    {1016, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 6, 192, 24},
    {1018, FW_CLASS_LISTBOX, "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 118, 36, 192, 100},
    {1017, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 144, 192, 40},
};

constexpr FwDialogTemplate kTemplate = {
    109, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
