// Template 110: the colour setting-select page: the stored and default colour settings, and the
// button that prints the model's sample page.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1133, FW_CLASS_STATIC, "", SS_BLACKFRAME, 0, 0, 0, 109, 193},
    {1022, FW_CLASS_STATIC, "", SS_BITMAP, 0, 0, 0, 109, 193},
    {1020, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 6, 192, 24},
    {1021, FW_CLASS_LISTBOX, "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 118, 34, 192, 100},
    {1023, FW_CLASS_STATIC, "", SS_LEFT, 0, 118, 142, 192, 20},
    {1024, FW_CLASS_BUTTON, "", BS_PUSHBUTTON | WS_TABSTOP, 0, 240, 168, 70, 14},
};

constexpr FwDialogTemplate kTemplate = {
    110, "", kPageStyle, 0, 0, kPageWidth, kPageHeight, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
