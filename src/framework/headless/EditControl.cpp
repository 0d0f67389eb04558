#include "framework/headless/EditControl.h"

#include <algorithm>
#include <cctype>

#include "framework/headless/Desktop.h"
#include "framework/headless/GenericWindow.h"

namespace fw::headless {
namespace {

constexpr UINT kSingleLineMaximum = 0x7FFFFFFE;

void Changed(HWND handle) {
    Desktop& desktop = Desktop::Get();
    desktop.Invalidate(handle);
    desktop.NotifyParent(handle, EN_UPDATE);
    desktop.NotifyParent(handle, EN_CHANGE);
}

}  // namespace

bool EditControl::TypeText(HWND edit, const std::string& text) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(edit);
    if (!window) return false;
    std::string typed;
    for (char c : text) {
        if ((window->style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c))) continue;
        typed.push_back(c);
    }
    if (!text.empty() && typed.empty()) return false;
    const bool cut = typed.size() > window->limit;
    if (cut) typed.resize(window->limit);
    window->text = typed;
    window->selectionStart = window->selectionEnd = static_cast<int>(typed.size());
    Changed(edit);
    if (cut) desktop.NotifyParent(edit, EN_MAXTEXT);
    return true;
}

LRESULT EditControl::Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND handle = window.handle;
    switch (message) {
        case WM_SETTEXT:
            window.text = GenericWindow::TextOf(lParam);
            window.selectionStart = window.selectionEnd = 0;
            // A one-line edit control reports text set by the program as a change too.
            if (!(window.style & ES_MULTILINE)) Changed(handle);
            else Desktop::Get().Invalidate(handle);
            return TRUE;
        case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case EM_LIMITTEXT:
            window.limit = wParam == 0 ? kSingleLineMaximum : static_cast<UINT>(wParam);
            return 0;
        case EM_GETLIMITTEXT: return static_cast<LRESULT>(window.limit);
        case EM_SETSEL: {
            const int length = static_cast<int>(window.text.size());
            int start = static_cast<int>(static_cast<INT_PTR>(wParam));
            int end = static_cast<int>(lParam);
            if (start < 0) {
                start = end = window.selectionEnd;
            } else {
                if (end < 0) end = length;
                if (start > end) std::swap(start, end);
            }
            window.selectionStart = std::clamp(start, 0, length);
            window.selectionEnd = std::clamp(end, 0, length);
            return 0;
        }
        case EM_GETSEL:
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(window.selectionStart);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(window.selectionEnd);
            return MAKELONG(window.selectionStart, window.selectionEnd);
        case EM_REPLACESEL: {
            const std::string insert = GenericWindow::TextOf(lParam);
            const size_t start = static_cast<size_t>(std::min(window.selectionStart, window.selectionEnd));
            const size_t end = static_cast<size_t>(std::max(window.selectionStart, window.selectionEnd));
            std::string text = window.text.substr(0, start) + window.text.substr(end);
            const size_t room = text.size() < window.limit ? window.limit - text.size() : 0;
            const std::string kept = insert.substr(0, std::min(room, insert.size()));
            text.insert(start, kept);
            window.text = text;
            window.selectionStart = window.selectionEnd = static_cast<int>(start + kept.size());
            Changed(handle);
            return 0;
        }
        case EM_SETREADONLY:
            if (wParam) window.style |= ES_READONLY;
            else window.style &= ~ES_READONLY;
            Desktop::Get().Invalidate(handle);
            return TRUE;
        default: return GenericWindow::Proc(window, message, wParam, lParam);
    }
}

}  // namespace fw::headless
