// The settings tool's command line:
//   printers | list PRINTER | export PRINTER FILE NAME... | import PRINTER FILE [NAME...]
//   [--replace] | delete PRINTER --colour|--gamma NAME, each with an optional --json.
#pragma once

#include <string>
#include <vector>

class CToolArguments {
public:
    enum class Command { none, printers, list, exportSettings, importSettings, deleteSetting };

    // Parses the arguments after the program name. False on wrong usage; GetProblem() then
    // names the argument in question (empty when a command or value is missing).
    bool Parse(const std::vector<std::string>& arguments);

    Command GetCommand() const { return m_command; }
    const std::string& GetPrinterName() const { return m_printer; }
    const std::string& GetFile() const { return m_file; }
    const std::vector<std::string>& GetNames() const { return m_names; }
    bool Replace() const { return m_replace; }
    bool Json() const { return m_json; }
    int GetKind() const { return m_kind; }  // delete: 1 colour, 2 gamma
    const std::string& GetProblem() const { return m_problem; }

private:
    bool Fail(const std::string& problem);

    Command m_command = Command::none;
    std::string m_printer;
    std::string m_file;
    std::vector<std::string> m_names;
    bool m_replace = false;
    bool m_json = false;
    int m_kind = 0;
    std::string m_problem;
};
