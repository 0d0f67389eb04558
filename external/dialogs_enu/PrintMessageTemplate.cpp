// Template 1110: the small notice shown while a page or profile is being prepared or printed.
// Its title and its one line of text come from the string library.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr DWORD kNoticeStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SHELLFONT | DS_3DLOOK;

constexpr FwDialogItem kItems[] = {
    {1111, FW_CLASS_STATIC, "", SS_LEFT, 0, 10, 10, 176, 20},
};

constexpr FwDialogTemplate kTemplate = {
    1110, "", kNoticeStyle, 0, 0, 196, 40, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
