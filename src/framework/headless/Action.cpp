#include "framework/headless/Action.h"

#include <cctype>

#include "framework/headless/DialogManager.h"

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
        case Kind::Key: return "key " + KeyName(static_cast<UINT>(number), x);
    }
    return {};
}

namespace {

struct NamedKey {
    const char* name;
    UINT key;
    int modifiers;
};

constexpr NamedKey kKeys[] = {
    {"tab", VK_TAB, 0},     {"shift+tab", VK_TAB, DialogManager::kShift},
    {"left", VK_LEFT, 0},   {"right", VK_RIGHT, 0},
    {"up", VK_UP, 0},       {"down", VK_DOWN, 0},
    {"home", VK_HOME, 0},   {"end", VK_END, 0},
    {"pageup", VK_PRIOR, 0}, {"pagedown", VK_NEXT, 0},
    {"space", VK_SPACE, 0}, {"enter", VK_RETURN, 0},
    {"escape", VK_ESCAPE, 0},
};

}  // namespace

bool Action::KeyFromName(const std::string& name, UINT& key, int& modifiers) {
    std::string lower;
    for (char c : name) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (const NamedKey& named : kKeys) {
        if (lower == named.name) {
            key = named.key;
            modifiers = named.modifiers;
            return true;
        }
    }
    if (lower.size() == 5 && lower.compare(0, 4, "alt+") == 0 && std::isalnum(static_cast<unsigned char>(lower[4]))) {
        key = static_cast<UINT>(std::toupper(static_cast<unsigned char>(lower[4])));
        modifiers = DialogManager::kAlt;
        return true;
    }
    return false;
}

std::string Action::KeyName(UINT key, int modifiers) {
    if (modifiers & DialogManager::kAlt) {
        return std::string("alt+") + static_cast<char>(std::tolower(static_cast<int>(key)));
    }
    for (const NamedKey& named : kKeys) {
        if (named.key == key && named.modifiers == modifiers) return named.name;
    }
    return "#" + std::to_string(key);
}

}  // namespace fw::headless
