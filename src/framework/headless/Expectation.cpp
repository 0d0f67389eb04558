#include "framework/headless/Expectation.h"

namespace fw::headless {
namespace {

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string Differs(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    return "expected " + expected + ", found " + actual;
}

}  // namespace

std::string Expectation::Describe() const {
    std::string text = "expect ";
    if (what != "title" && what != "box") text += std::to_string(id) + " ";
    text += what;
    if (what == "title" || what == "box" || what == "text" || what == "selected") text += " " + Quote(this->text);
    if (what == "position" || what == "count" || what == "bitmap") text += " " + std::to_string(number);
    return text;
}

std::string Expectation::Check(const WindowView& view) const {
    if (!view.exists()) return "no window is open";
    if (what == "title") return Differs(Quote(text), Quote(view.title));
    if (what == "box") {
        if (view.kind != WindowView::Kind::MessageBox) return "no message box is open";
        return Differs(Quote(text), Quote(view.boxText));
    }
    const ControlView& control = view.Control(id);
    if (!control.exists()) return "the active window has no control " + std::to_string(id);
    if (what == "text") return Differs(Quote(text), Quote(control.text));
    if (what == "selected") return Differs(Quote(text), Quote(control.selectedText()));
    if (what == "checked") return control.checked() ? std::string() : "it is not checked";
    if (what == "unchecked") return control.check == BST_UNCHECKED ? std::string() : "it is checked";
    if (what == "enabled") return control.enabled ? std::string() : "it is disabled";
    if (what == "disabled") return control.enabled ? "it is enabled" : std::string();
    if (what == "visible") return control.visible ? std::string() : "it is hidden";
    if (what == "hidden") return control.visible ? "it is visible" : std::string();
    if (what == "focused") return control.focused ? std::string() : "it does not have the focus";
    if (what == "position") return Differs(std::to_string(number), std::to_string(control.position));
    if (what == "count") return Differs(std::to_string(number), std::to_string(control.items.size()));
    if (what == "bitmap") return Differs(std::to_string(number), std::to_string(control.bitmapId));
    return "unknown check \"" + what + "\"";
}

}  // namespace fw::headless
