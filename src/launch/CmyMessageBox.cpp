#include "launch/CmyMessageBox.h"

#include "framework/MessageBox.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"

namespace {

constexpr UINT kStopOk = 0x10;
constexpr UINT kExclamationOk = 0x30;
constexpr UINT kTaskModal = 0x2000;

}  // namespace

int CmyMessageBox::Show(HWND owner, UINT textId, UINT style, int captionId, const std::string& argument) const {
    std::string text;
    std::string caption;
    {
        CStrRes strings;
        strings.LoadString(textId, text);
        if (captionId != -1) strings.LoadString(static_cast<UINT>(captionId), caption);
    }
    if (!argument.empty()) text = FormatText(text, argument);

    if (owner) return fw::SystemMessageBox(owner, text, caption, style);
    if (caption.empty()) return fw::AppMessageBox(text, style);
    return fw::SystemMessageBox(nullptr, text, caption, style);
}

int CmyMessageBox::ShowText(const std::string& text, UINT style) const {
    std::string caption;
    if (style == kStopOk || style == kExclamationOk) {
        CStrRes strings;
        strings.LoadString(style == kStopOk ? IDS_CAPTION_ERROR : IDS_CAPTION_WARNING, caption);
    }
    return fw::SystemMessageBox(nullptr, text, caption, style | kTaskModal);
}
