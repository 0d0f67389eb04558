// A help project (.hhp) as far as the text rendering needs it: which topic file each context
// id opens ([ALIAS] names, [MAP] numbers, "#include" of a header of "#define"s), and the
// default topic, which stands for context id 0.
#pragma once

#include <map>
#include <string>

class HelpProject {
public:
    // Reads the project file; false when it cannot be read.
    bool Load(const std::string& projectPath);

    const std::string& Folder() const { return m_folder; }
    // Context id to topic file, id 0 being the default topic.
    const std::map<unsigned, std::string>& Topics() const { return m_topics; }

private:
    void ReadMapLine(const std::string& line, std::map<std::string, unsigned>& numbers) const;

    std::string m_folder;
    std::map<unsigned, std::string> m_topics;
};
