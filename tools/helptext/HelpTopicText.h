// The plain-text rendering of one help topic page: its title and its body as lines of at most
// 78 characters, for a terminal. It reads the small HTML subset the topics are written in:
// headings, paragraphs, lists and definition lists; labels of the utility are put in quotes
// and placeholders of messages in angle brackets.
#pragma once

#include <string>
#include <vector>

class HelpTopicText {
public:
    static constexpr size_t width = 78;

    // Renders the HTML text of a topic.
    void Render(const std::string& html);

    const std::string& Title() const { return m_title; }
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    enum class Block { None, Heading, Paragraph, ListItem, Term, Definition, Skipped };

    void Tag(const std::string& tag);
    void StartBlock(Block block, bool gapBefore);
    void EndBlock();
    void AddText(const std::string& text);

    std::string m_title;
    std::vector<std::string> m_lines;
    Block m_block = Block::None;
    bool m_gapBefore = false;  // a blank line before the block being collected
    bool m_listStart = false;  // the next list item is a list's first
    bool m_afterHeading = false;  // the last lines are a heading: no blank line follows it
    std::string m_text;
    bool m_inHead = false;
    bool m_inTitle = false;
    std::vector<bool> m_spanIsLabel;
};
