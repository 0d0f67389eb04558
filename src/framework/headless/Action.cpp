#include "framework/headless/Action.h"

namespace fw::headless {
namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted.push_back('\\');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

}  // namespace

std::string Action::Describe() const {
    const std::string control = std::to_string(id);
    switch (kind) {
        case Kind::Click: return "click " + control;
        case Kind::ClickAt: return "click " + control + " " + std::to_string(x) + " " + std::to_string(y);
        case Kind::MouseMove: return "point " + control + " " + std::to_string(x) + " " + std::to_string(y);
        case Kind::Select: return "select " + control + " " + Quoted(text);
        case Kind::SelectIndex: return "select " + control + " #" + std::to_string(number);
        case Kind::Type: return "type " + control + " " + Quoted(text);
        case Kind::Slide: return "slide " + control + " " + std::to_string(number);
        case Kind::Back: return "back";
        case Kind::Next: return "next";
        case Kind::Finish: return "finish";
        case Kind::Cancel: return "cancel";
        case Kind::Help: return "press help";
        case Kind::Answer: return "answer " + std::to_string(number);
        case Kind::SysCommand: return "sysmenu " + control;
        case Kind::Close: return "close";
        case Kind::EndSession: return "endsession";
        case Kind::Wait: return "wait " + std::to_string(number);
    }
    return {};
}

}  // namespace fw::headless
