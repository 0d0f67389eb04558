#include "CToolArguments.h"

#include <map>

bool CToolArguments::Fail(const std::string& problem)
{
    m_problem = problem;
    return false;
}

bool CToolArguments::Parse(const std::vector<std::string>& arguments)
{
    static const std::map<std::string, Command> commands = {
        {"printers", Command::printers},      {"list", Command::list},
        {"export", Command::exportSettings}, {"import", Command::importSettings},
        {"delete", Command::deleteSetting},
    };
    *this = CToolArguments();

    // Options may stand anywhere; "--" ends them, so a setting may be named "--json".
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            words.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--json") {
            m_json = true;
        } else if (argument == "--replace") {
            m_replace = true;
        } else if (argument == "--colour" || argument == "--color" || argument == "--gamma") {
            const int kind = argument == "--gamma" ? 2 : 1;
            if (m_kind != 0 && m_kind != kind) return Fail(argument);
            m_kind = kind;
        } else {
            return Fail(argument);
        }
    }
    if (words.empty()) return Fail(std::string());
    const auto found = commands.find(words[0]);
    if (found == commands.end()) return Fail(words[0]);
    m_command = found->second;
    words.erase(words.begin());

    const bool importing = m_command == Command::importSettings;
    if (m_replace && !importing) return Fail("--replace");
    if (m_kind != 0 && m_command != Command::deleteSetting) return Fail(m_kind == 2 ? "--gamma" : "--colour");

    switch (m_command) {
    case Command::printers:
        if (!words.empty()) return Fail(words[0]);
        return true;
    case Command::list:
        if (words.size() != 1) return Fail(words.size() > 1 ? words[1] : std::string());
        m_printer = words[0];
        return true;
    case Command::exportSettings:
    case Command::importSettings:
        // An export needs names; an import without names takes every setting of the file.
        if (words.size() < (importing ? 2u : 3u)) return Fail(std::string());
        m_printer = words[0];
        m_file = words[1];
        m_names.assign(words.begin() + 2, words.end());
        return true;
    case Command::deleteSetting:
        if (m_kind == 0) return Fail(std::string());
        if (words.size() != 2) return Fail(words.size() > 2 ? words[2] : std::string());
        m_printer = words[0];
        m_names.push_back(words[1]);
        return true;
    case Command::none:
        break;
    }
    return Fail(std::string());
}
