// help_text PROJECT.hhp OUTPUT: writes the plain-text rendering of every topic of a help
// project, which the help engine stand-in on Linux shows in the terminal. Each topic is one
// block: a line "@topic <context id> <title>", then its text, wrapped at 78 columns.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "HelpProject.h"
#include "HelpTopicText.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: help_text PROJECT.hhp OUTPUT\n");
        return 2;
    }
    HelpProject project;
    if (!project.Load(argv[1])) {
        std::fprintf(stderr, "help_text: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream out;
    for (const auto& [id, file] : project.Topics()) {
        std::ifstream in(project.Folder() + file);
        if (!in) {
            std::fprintf(stderr, "help_text: topic %u: cannot read %s\n", id, file.c_str());
            return 1;
        }
        std::stringstream html;
        html << in.rdbuf();
        HelpTopicText topic;
        topic.Render(html.str());
        if (topic.Title().empty()) {
            std::fprintf(stderr, "help_text: topic %u (%s) has no title\n", id, file.c_str());
            return 1;
        }
        out << "@topic " << id << ' ' << topic.Title() << '\n';
        for (const std::string& line : topic.Lines()) out << line << '\n';
    }
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}
