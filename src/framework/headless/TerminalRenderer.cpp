#include "framework/headless/TerminalRenderer.h"

#include <algorithm>

#include <cstdio>
#include <sstream>

#include "framework/headless/DialogManager.h"
#include "framework/headless/MessageBoxWindow.h"

namespace fw::headless {
namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\n') quoted += "\\n";
        else if (c == '"') quoted += "\\\"";
        else if (c != '\r') quoted.push_back(c);
    }
    return quoted + "\"";
}

std::string Padded(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string Button(UINT id, const std::string& caption, const ButtonState& state) {
    std::string text = "[" + std::to_string(id) + " " + DialogManager::ShownText(caption);
    if (!state.enabled) text += ": disabled";
    if (state.focused) text += ": focused";
    return text + "]";
}

}  // namespace

std::string TerminalRenderer::RenderControl(const ControlView& control) {
    std::ostringstream line;
    line << "  " << Padded(std::to_string(control.id), 6) << Padded(control.kind, 15);
    if (control.kind == "check box") line << (control.check == BST_CHECKED ? "[x] " : control.check == BST_INDETERMINATE ? "[-] " : "[ ] ");
    if (control.kind == "radio button") line << (control.checked() ? "(*) " : "( ) ");
    if (control.kind == "picture") {
        line << (control.bitmapId ? "bitmap " + std::to_string(control.bitmapId) : std::string("(empty)"));
    } else if (control.kind == "icon") {
        line << (control.iconId ? "icon " + std::to_string(control.iconId) : std::string("(empty)"));
    } else if (control.kind == "trackbar") {
        line << control.rangeMin << ".." << control.rangeMax << " at " << control.position;
    } else if (control.kind == "list box" || control.kind == "combo box" || control.kind == "drop-down list") {
        if (control.kind != "list box") line << Quote(control.text) << " ";
        line << control.items.size() << (control.items.size() == 1 ? " item" : " items");
    } else if (control.kind != "frame") {
        line << Quote(control.text);
    }
    if (control.kind == "edit" && control.limit < 30000) line << " (at most " << control.limit << ")";
    if (control.kind == "edit" && (control.style & ES_READONLY)) line << " [read-only]";
    if (!control.enabled) line << " [disabled]";
    if (!control.visible) line << " [hidden]";
    if (control.focused) line << " focused";
    line << "\n";
    if (control.kind == "list box" || control.kind == "combo box" || control.kind == "drop-down list") {
        for (size_t i = 0; i < control.items.size(); ++i) {
            const bool multiple = (control.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0 && control.kind == "list box";
            const bool selected = multiple ? std::find(control.selectedItems.begin(), control.selectedItems.end(),
                                                       static_cast<int>(i)) != control.selectedItems.end()
                                           : static_cast<int>(i) == control.selection;
            line << "          " << (selected ? "> " : "  ") << "#" << i << " "
                 << Quote(control.items[i]) << "\n";
        }
    }
    return line.str();
}

std::string TerminalRenderer::Render(const WindowView& view) {
    std::ostringstream out;
    if (!view.exists()) return "(no window is open)\n";
    switch (view.kind) {
        case WindowView::Kind::MessageBox: {
            out << "== Message box " << Quote(view.title) << " ==\n";
            std::istringstream text(view.boxText);
            for (std::string line; std::getline(text, line);) out << "  " << line << "\n";
            out << "Buttons:";
            for (int id : view.boxButtons) out << " [" << id << " " << MessageBoxWindow::ButtonCaption(id) << "]";
            out << "\n";
            return out.str();
        }
        case WindowView::Kind::Sheet:
            out << "== " << (view.wizard ? "Wizard " : "Sheet ") << Quote(view.title) << " -- page "
                << view.buttons.pageIndex + 1 << " of " << view.buttons.pageCount << " (template " << view.templateId
                << ") ==\n";
            break;
        default: out << "== Dialog " << Quote(view.title) << " (template " << view.templateId << ") ==\n"; break;
    }
    for (const auto& control : view.controls) out << RenderControl(control);
    if (view.kind == WindowView::Kind::Sheet) {
        out << "Buttons:";
        for (const auto& button : view.sheetButtons) {
            if (!button.visible) continue;
            out << " " << Button(button.id, button.text, ButtonState{button.visible, button.enabled, button.focused});
        }
        out << "\n";
    }
    bool extra = false;
    for (const auto& item : view.systemMenu) {
        if (item.id == SC_CLOSE) continue;
        if (!extra) out << "System menu:";
        extra = true;
        if (item.separator) out << " ----";
        else out << " [" << item.id << " " << Quote(item.text) << "]";
    }
    if (extra) out << "\n";
    if (!view.timers.empty()) out << "(timers running: wait lets time pass)\n";
    return out.str();
}

}  // namespace fw::headless
