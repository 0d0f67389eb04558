#include "HelpTopicText.h"

#include <cctype>

#include "TextWrapper.h"

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The tag's name in lower case, with a leading '/' for a closing tag.
std::string TagName(const std::string& tag)
{
    size_t end = 0;
    while (end < tag.size() && !std::isspace(static_cast<unsigned char>(tag[end])) && tag[end] != '>') ++end;
    return Lower(tag.substr(0, end));
}

std::string DecodeEntities(const std::string& text)
{
    static const std::pair<const char*, const char*> entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, character] : entities) {
                const std::string name(entity);
                if (text.compare(i, name.size(), name) == 0) {
                    out += character;
                    i += name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

}  // namespace

void HelpTopicText::StartBlock(Block block, bool gapBefore)
{
    EndBlock();
    m_block = block;
    m_gapBefore = gapBefore;
}

void HelpTopicText::EndBlock()
{
    const Block block = m_block;
    std::string text;
    m_text.swap(text);
    m_block = Block::None;
    if (block == Block::None || block == Block::Skipped) return;

    std::vector<std::string> lines;
    switch (block) {
    case Block::Heading:
        lines = TextWrapper::Wrap(text, "", "", width);
        if (!lines.empty()) lines.push_back(std::string(lines.back().size(), '-'));
        break;
    case Block::ListItem:
        lines = TextWrapper::Wrap(text, "  - ", "    ", width);
        break;
    case Block::Definition:
        lines = TextWrapper::Wrap(text, "    ", "    ", width);
        break;
    default:
        lines = TextWrapper::Wrap(text, "", "", width);
        break;
    }
    if (lines.empty()) return;
    if (m_gapBefore && !m_lines.empty() && !m_lines.back().empty() && !m_afterHeading) m_lines.emplace_back();
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    m_afterHeading = block == Block::Heading;
}

void HelpTopicText::AddText(const std::string& text)
{
    if (m_inTitle) {
        m_title += text;
        return;
    }
    if (m_inHead || m_block == Block::None || m_block == Block::Skipped) return;
    m_text += text;
}

void HelpTopicText::Tag(const std::string& tag)
{
    const std::string name = TagName(tag);
    if (name == "head") m_inHead = true;
    else if (name == "/head") m_inHead = false;
    else if (name == "title") m_inTitle = true;
    else if (name == "/title") m_inTitle = false;
    else if (name == "h1") StartBlock(Block::Skipped, false);  // the title is shown above the text
    else if (name == "h2") StartBlock(Block::Heading, true);
    else if (name == "p") StartBlock(Block::Paragraph, true);
    else if (name == "ul") StartBlock(Block::None, false), m_listStart = true;
    else if (name == "li") StartBlock(Block::ListItem, m_listStart), m_listStart = false;
    else if (name == "dt") StartBlock(Block::Term, true);
    else if (name == "dd") StartBlock(Block::Definition, false);
    else if (name == "/h1" || name == "/h2" || name == "/p" || name == "/li" || name == "/dt" || name == "/dd" ||
             name == "/ul" || name == "/dl" || name == "dl") {
        EndBlock();
    } else if (name == "span") {
        const bool label = Lower(tag).find("class=\"label\"") != std::string::npos;
        m_spanIsLabel.push_back(label);
        if (label) AddText("\"");
    } else if (name == "/span") {
        if (!m_spanIsLabel.empty()) {
            if (m_spanIsLabel.back()) AddText("\"");
            m_spanIsLabel.pop_back();
        }
    } else if (name == "var") {
        AddText("<");
    } else if (name == "/var") {
        AddText(">");
    }
}

void HelpTopicText::Render(const std::string& html)
{
    *this = HelpTopicText();
    for (size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const size_t close = html.find('>', i);
            if (close == std::string::npos) break;
            Tag(html.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const size_t next = html.find('<', i);
        const size_t end = next == std::string::npos ? html.size() : next;
        AddText(DecodeEntities(html.substr(i, end - i)));
        i = end;
    }
    EndBlock();
    while (!m_lines.empty() && m_lines.back().empty()) m_lines.pop_back();
    const std::vector<std::string> title = TextWrapper::Wrap(m_title, "", "", std::string::npos);
    m_title = title.empty() ? std::string() : title.front();
}
