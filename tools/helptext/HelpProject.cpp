#include "HelpProject.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(Trim(line));
    return lines;
}

}  // namespace

void HelpProject::ReadMapLine(const std::string& line, std::map<std::string, unsigned>& numbers) const
{
    if (StartsWithNoCase(line, "#include")) {
        for (const std::string& included : Lines(m_folder + Trim(line.substr(8)))) ReadMapLine(included, numbers);
        return;
    }
    if (!StartsWithNoCase(line, "#define")) return;
    std::istringstream words(line.substr(7));
    std::string name;
    unsigned long number = 0;
    if (words >> name >> number) numbers[name] = static_cast<unsigned>(number);
}

bool HelpProject::Load(const std::string& projectPath)
{
    const auto slash = projectPath.find_last_of('/');
    m_folder = slash == std::string::npos ? std::string() : projectPath.substr(0, slash + 1);
    m_topics.clear();

    std::ifstream probe(projectPath);
    if (!probe) return false;
    std::string section;
    std::map<std::string, std::string> aliases;
    std::map<std::string, unsigned> numbers;
    for (const std::string& line : Lines(projectPath)) {
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (section == "OPTIONS" && equals != std::string::npos &&
            Trim(line.substr(0, equals)) == "Default topic") {
            m_topics[0] = Trim(line.substr(equals + 1));
        } else if (section == "ALIAS" && equals != std::string::npos) {
            aliases[Trim(line.substr(0, equals))] = Trim(line.substr(equals + 1));
        } else if (section == "MAP") {
            ReadMapLine(line, numbers);
        }
    }
    for (const auto& [name, number] : numbers) {
        const auto alias = aliases.find(name);
        if (alias != aliases.end() && number != 0) m_topics[number] = alias->second;
    }
    return true;
}
