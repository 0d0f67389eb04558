// Template 175: the dialog that stays open while a test job is in the printer's queue, with a
// line of text and the button that offers to cancel the job.
#include "dialogs_enu/TemplateRegistry.h"

namespace xvdlg {
namespace {

constexpr FwDialogItem kItems[] = {
    {1167, FW_CLASS_STATIC, "", SS_LEFT, 0, 10, 10, 200, 24},
    {IDCANCEL, FW_CLASS_BUTTON, "", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 85, 42, 50, 14},
};

constexpr FwDialogTemplate kTemplate = {
    175, "", kDialogStyle, 0, 0, 220, 64, kFontFace, kFontSize, kItems, sizeof(kItems) / sizeof(kItems[0])};

const TemplateRegistration registration(&kTemplate);

}  // namespace
}  // namespace xvdlg
