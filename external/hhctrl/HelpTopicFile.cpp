#include "HelpTopicFile.h"

#include <cstdlib>
#include <fstream>

namespace {

constexpr char kMarker[] = "@topic ";
constexpr size_t kMarkerLength = sizeof kMarker - 1;

bool IsMarker(const std::string& line) { return line.compare(0, kMarkerLength, kMarker) == 0; }

}  // namespace

bool HelpTopicFile::Load(const std::string& helpFileHostPath)
{
    m_lines.clear();
    std::ifstream in(TextPath(helpFileHostPath));
    if (!in) return false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_lines.push_back(line);
    }
    return true;
}

bool HelpTopicFile::Find(unsigned long id, Topic& topic) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (!IsMarker(m_lines[i])) continue;
        const char* number = m_lines[i].c_str() + kMarkerLength;
        char* end = nullptr;
        const unsigned long found = std::strtoul(number, &end, 10);
        if (end == number || found != id) continue;
        topic.title = *end == ' ' ? std::string(end + 1) : std::string();
        topic.lines.clear();
        for (size_t j = i + 1; j < m_lines.size() && !IsMarker(m_lines[j]); ++j) topic.lines.push_back(m_lines[j]);
        return true;
    }
    return false;
}
