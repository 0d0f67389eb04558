#include "framework/headless/MessageBoxWindow.h"

#include <algorithm>
#include <sstream>

#include "framework/headless/BitmapFont.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogBuilder.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {
namespace {

constexpr int kTryAgain = 10;
constexpr int kContinue = 11;
constexpr int kMargin = 12;
constexpr int kIconSpace = 44;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

}  // namespace

std::vector<int> MessageBoxWindow::Buttons(UINT style) {
    switch (style & 0x0Fu) {
        case MB_OKCANCEL: return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO: return {IDYES, IDNO};
        case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
        case 6: return {IDCANCEL, kTryAgain, kContinue};
        default: return {IDOK};
    }
}

int MessageBoxWindow::CloseAnswer(UINT style) {
    const auto buttons = Buttons(style);
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) return IDCANCEL;
    if (buttons.size() == 1) return buttons.front();
    return 0;
}

int MessageBoxWindow::QuitAnswer(UINT style) {
    if (const int answer = CloseAnswer(style)) return answer;
    return (style & 0x0Fu) == MB_YESNO ? IDNO : IDABORT;
}

const char* MessageBoxWindow::ButtonCaption(int id) {
    switch (id) {
        case IDOK: return "OK";
        case IDCANCEL: return "Cancel";
        case IDABORT: return "Abort";
        case IDRETRY: return "Retry";
        case IDIGNORE: return "Ignore";
        case IDYES: return "Yes";
        case IDNO: return "No";
        case kTryAgain: return "Try Again";
        case kContinue: return "Continue";
        default: return "";
    }
}

int MessageBoxWindow::Show(const MessageBoxRequest& request) {
    Desktop& desktop = Desktop::Get();
    if (desktop.Quitting()) return QuitAnswer(request.style);

    // Size: the widest text line and the button row decide the width.
    const BitmapFont font(0, FW_NORMAL);
    std::vector<std::string> lines;
    std::istringstream stream(request.text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    if (lines.empty()) lines.emplace_back();
    int textWidth = 0;
    for (const auto& line : lines) textWidth = std::max<int>(textWidth, font.Measure(line).cx);
    const auto buttons = Buttons(request.style);
    const int buttonsWidth = static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const bool hasIcon = (request.style & 0xF0u) != 0;
    const int textLeft = kMargin + (hasIcon ? kIconSpace : 0);
    const int width = std::max(textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin);
    const int textHeight = static_cast<int>(lines.size()) * font.LineHeight();
    const int height = kMargin + std::max(textHeight, hasIcon ? 32 : 0) + kMargin + kButtonHeight + kMargin;

    const HWND focusBefore = desktop.Focus();
    Window& box = desktop.NewWindow(WindowKind::MessageBox, "#32770", request.owner);
    box.text = request.caption;
    box.boxStyle = request.style;
    box.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    box.rect = RECT{0, 0, width, height};
    const HWND handle = box.handle;

    DialogBuilder::AddControl(handle, FW_CLASS_STATIC, kTextId, request.text, SS_LEFT,
                              RECT{textLeft, kMargin, textLeft + textWidth, kMargin + textHeight});
    const int defaultIndex = static_cast<int>((request.style >> 8) & 0x3u);
    int x = (width - buttonsWidth) / 2;
    const int y = height - kMargin - kButtonHeight;
    HWND focus = nullptr;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const DWORD style = static_cast<int>(i) == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        const HWND button = DialogBuilder::AddControl(handle, FW_CLASS_BUTTON, static_cast<UINT>(buttons[i]),
                                                      ButtonCaption(buttons[i]), style | WS_TABSTOP,
                                                      RECT{x, y, x + kButtonWidth, y + kButtonHeight});
        if (static_cast<int>(i) == defaultIndex || !focus) focus = button;
        x += kButtonWidth + kButtonGap;
    }
    // The default button has the focus, so Enter and Space answer with it.
    desktop.SetFocus(focus);

    const INT_PTR result = desktop.RunModal(handle, focusBefore);
    desktop.DestroyWindow(handle);
    return static_cast<int>(result);
}

LRESULT MessageBoxWindow::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const auto buttons = Buttons(window.boxStyle);
            if (HIWORD(wParam) == BN_CLICKED && std::find(buttons.begin(), buttons.end(), id) != buttons.end()) {
                desktop.EndModal(window.handle, id);
            }
            return 0;
        }
        case WM_CLOSE:
            if (const int answer = CloseAnswer(window.boxStyle)) desktop.EndModal(window.handle, answer);
            return 0;
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
