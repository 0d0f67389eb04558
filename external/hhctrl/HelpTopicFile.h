// The text of help topics for the terminal. The build writes, beside each compiled help file
// "X.chm", its topics as text in "X.chm.txt": one block per context id, a line
// "@topic <id> <title>" followed by the topic's lines, already wrapped to the terminal width.
#pragma once

#include <string>
#include <vector>

class HelpTopicFile {
public:
    struct Topic {
        std::string title;
        std::vector<std::string> lines;
    };

    // Reads the text file that stands beside the help file (a host path); false when missing.
    bool Load(const std::string& helpFileHostPath);
    // The topic of a context id (0: the help file's default topic); false when there is none.
    bool Find(unsigned long id, Topic& topic) const;

    static std::string TextPath(const std::string& helpFileHostPath) { return helpFileHostPath + ".txt"; }

private:
    std::vector<std::string> m_lines;
};
