#include "framework/headless/CommandParser.h"

#include <cctype>
#include <cstdlib>
#include <map>

namespace fw::headless {
namespace {

bool Number(const std::string& word, long long& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(word.c_str(), &end, 0);
    return *end == '\0';
}

bool Id(const std::string& word, UINT& id, std::string& error) {
    long long value = 0;
    if (!Number(word, value) || value < 0 || value > 0xFFFFFFFFll) {
        error = "\"" + word + "\" is no control id";
        return false;
    }
    id = static_cast<UINT>(value);
    return true;
}

bool Int(const std::string& word, int& number, std::string& error) {
    long long value = 0;
    if (!Number(word, value) || value < -2147483648ll || value > 2147483647ll) {
        error = "\"" + word + "\" is no number";
        return false;
    }
    number = static_cast<int>(value);
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool Count(const std::vector<std::string>& words, size_t expected, const std::string& usage, std::string& error) {
    if (words.size() == expected) return true;
    error = "usage: " + usage;
    return false;
}

bool ParseExpect(const std::vector<std::string>& words, Expectation& expect, std::string& error) {
    const std::string usage = "expect title|box \"TEXT\", or expect ID text|selected \"TEXT\", "
                              "expect ID checked|unchecked|enabled|disabled|visible|hidden|focused, "
                              "expect ID position|count|bitmap N";
    if (words.size() == 3 && (words[1] == "title" || words[1] == "box")) {
        expect.what = words[1];
        expect.text = words[2];
        return true;
    }
    if (words.size() < 3 || !Id(words[1], expect.id, error)) {
        if (error.empty()) error = "usage: " + usage;
        return false;
    }
    expect.what = words[2];
    static const char* kStates[] = {"checked", "unchecked", "enabled", "disabled", "visible", "hidden", "focused"};
    for (const char* state : kStates) {
        if (expect.what == state) return Count(words, 3, usage, error);
    }
    if (expect.what == "text" || expect.what == "selected") {
        if (!Count(words, 4, usage, error)) return false;
        expect.text = words[3];
        return true;
    }
    if (expect.what == "position" || expect.what == "count" || expect.what == "bitmap") {
        return Count(words, 4, usage, error) && Int(words[3], expect.number, error);
    }
    error = "usage: " + usage;
    return false;
}

}  // namespace

bool CommandParser::Split(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    word.push_back(line[i + 1]);
                    i += 2;
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word.push_back(line[i++]);
                }
            }
            if (!closed) {
                error = "a text has no closing quote";
                return false;
            }
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) word.push_back(line[i++]);
        }
        words.push_back(word);
    }
    return true;
}

bool CommandParser::Parse(const std::string& line, Command& command, std::string& error) {
    command = Command{};
    error.clear();
    std::vector<std::string> words;
    if (!Split(line, words, error)) return false;
    if (words.empty() || words[0][0] == '#') return true;
    const std::string verb = Lower(words[0]);
    Action& action = command.action;
    command.kind = Command::Kind::Act;

    if (verb == "help" || verb == "?") {
        command.kind = Command::Kind::Help;
        return Count(words, 1, "help", error);
    }
    if (verb == "show") {
        command.kind = Command::Kind::Show;
        return Count(words, 1, "show", error);
    }
    if (verb == "quit" || verb == "exit") {
        command.kind = Command::Kind::Quit;
        return Count(words, 1, "quit", error);
    }
    if (verb == "png") {
        command.kind = Command::Kind::Png;
        if (!Count(words, 2, "png FILE", error)) return false;
        command.file = words[1];
        return true;
    }
    if (verb == "expect") {
        command.kind = Command::Kind::Expect;
        return ParseExpect(words, command.expect, error);
    }
    if (verb == "click") {
        if (words.size() == 2) {
            action.kind = Action::Kind::Click;
            return Id(words[1], action.id, error);
        }
        action.kind = Action::Kind::ClickAt;
        return Count(words, 4, "click ID [X Y]", error) && Id(words[1], action.id, error) &&
               Int(words[2], action.x, error) && Int(words[3], action.y, error);
    }
    if (verb == "point") {
        action.kind = Action::Kind::MouseMove;
        return Count(words, 4, "point ID X Y", error) && Id(words[1], action.id, error) &&
               Int(words[2], action.x, error) && Int(words[3], action.y, error);
    }
    if (verb == "select") {
        if (!Count(words, 3, "select ID \"TEXT\" or select ID #INDEX", error) || !Id(words[1], action.id, error)) return false;
        const bool quoted = line.find('"') != std::string::npos;
        if (!quoted && words[2].size() > 1 && words[2][0] == '#') {
            action.kind = Action::Kind::SelectIndex;
            return Int(words[2].substr(1), action.number, error);
        }
        action.kind = Action::Kind::Select;
        action.text = words[2];
        return true;
    }
    if (verb == "type") {
        action.kind = Action::Kind::Type;
        if (!Count(words, 3, "type ID \"TEXT\"", error) || !Id(words[1], action.id, error)) return false;
        action.text = words[2];
        return true;
    }
    if (verb == "slide") {
        action.kind = Action::Kind::Slide;
        return Count(words, 3, "slide ID POSITION", error) && Id(words[1], action.id, error) &&
               Int(words[2], action.number, error);
    }
    static const std::map<std::string, Action::Kind> kButtons = {{"back", Action::Kind::Back},
                                                                 {"next", Action::Kind::Next},
                                                                 {"finish", Action::Kind::Finish},
                                                                 {"cancel", Action::Kind::Cancel},
                                                                 {"help", Action::Kind::Help}};
    if (verb == "press") {
        const auto found = words.size() == 2 ? kButtons.find(Lower(words[1])) : kButtons.end();
        if (found == kButtons.end()) {
            error = "usage: press back|next|finish|cancel|help";
            return false;
        }
        action.kind = found->second;
        return true;
    }
    if (verb != "help" && kButtons.count(verb)) {
        action.kind = kButtons.at(verb);
        return Count(words, 1, verb, error);
    }
    if (verb == "answer") {
        action.kind = Action::Kind::Answer;
        if (!Count(words, 2, "answer BUTTON", error)) return false;
        static const std::map<std::string, int> kAnswers = {{"ok", IDOK},       {"cancel", IDCANCEL}, {"abort", IDABORT},
                                                            {"retry", IDRETRY}, {"ignore", IDIGNORE}, {"yes", IDYES},
                                                            {"no", IDNO}};
        const auto named = kAnswers.find(Lower(words[1]));
        if (named != kAnswers.end()) {
            action.number = named->second;
            return true;
        }
        return Int(words[1], action.number, error);
    }
    if (verb == "key") {
        action.kind = Action::Kind::Key;
        if (!Count(words, 2, "key NAME", error)) return false;
        UINT key = 0;
        if (!Action::KeyFromName(words[1], key, action.x)) {
            error = "\"" + words[1] + "\" is no key (tab, shift+tab, left, right, up, down, home, end, pageup, "
                    "pagedown, space, enter, escape, alt+LETTER)";
            return false;
        }
        action.number = static_cast<int>(key);
        return true;
    }
    if (verb == "sysmenu") {
        action.kind = Action::Kind::SysCommand;
        return Count(words, 2, "sysmenu ID", error) && Id(words[1], action.id, error);
    }
    if (verb == "close") {
        action.kind = Action::Kind::Close;
        return Count(words, 1, "close", error);
    }
    if (verb == "endsession") {
        action.kind = Action::Kind::EndSession;
        return Count(words, 1, "endsession", error);
    }
    if (verb == "wait") {
        action.kind = Action::Kind::Wait;
        if (words.size() == 1) {
            action.number = -1;
            return true;
        }
        return Count(words, 2, "wait [MS]", error) && Int(words[1], action.number, error);
    }
    error = "unknown command \"" + words[0] + "\" (help lists the commands)";
    return false;
}

std::string CommandParser::HelpText() {
    return "Commands (ID is a control id as shown; texts in double quotes):\n"
           "  click ID              press a button, check box or radio button, or a clickable picture\n"
           "  click ID X Y          click at a point of a control (after moving the mouse there)\n"
           "  point ID X Y          move the mouse over a point of a control\n"
           "  select ID \"TEXT\"      choose the list item with that text\n"
           "  select ID #N          choose list item N (from 0)\n"
           "  type ID \"TEXT\"        replace the text of an edit field\n"
           "  slide ID N            move a trackbar to position N\n"
           "  key NAME              press a key: tab, shift+tab, left, right, up, down, home, end,\n"
           "                        pageup, pagedown, space, enter, escape, alt+LETTER\n"
           "  back, next, finish, cancel     the wizard's buttons (cancel also closes dialogs)\n"
           "  press help            the wizard's Help button\n"
           "  answer N              answer the message box with button N (or ok, cancel, yes, no ...)\n"
           "  sysmenu ID            choose an item of the window's system menu\n"
           "  close                 close the active window\n"
           "  endsession            end the system session\n"
           "  wait [MS]             let time pass (until the next timer without MS)\n"
           "  show                  print the active window again\n"
           "  png FILE              save a picture of the active window\n"
           "  expect ...            check what the window shows (title, box, ID text/selected/checked ...)\n"
           "  help                  this list\n"
           "  quit                  leave: every open window is cancelled\n";
}

}  // namespace fw::headless
