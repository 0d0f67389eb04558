#include "IniDocument.h"

#include "AnsiCodePage.h"
#include "TextUtil.h"

void IniDocument::Parse(std::string_view bytes)
{
    m_lines.clear();
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        if (nl == std::string_view::npos) {
            m_lines.push_back(MakeLine(std::string(bytes.substr(start)), ""));
            break;
        }
        size_t end = nl;
        std::string ending = "\n";
        if (end > start && bytes[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        m_lines.push_back(MakeLine(std::string(bytes.substr(start, end - start)), ending));
        start = nl + 1;
    }
}

std::string IniDocument::Serialize() const
{
    size_t total = 0;
    for (const Line& line : m_lines) total += line.text.size() + line.ending.size();
    std::string out;
    out.reserve(total);
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

IniDocument::Line IniDocument::MakeLine(std::string text, std::string ending)
{
    Parsed parsed = Classify(text);
    return Line{std::move(text), std::move(ending), std::move(parsed)};
}

IniDocument::Parsed IniDocument::Classify(const std::string& text)
{
    Parsed p;
    std::string t = TextUtil::Trim(text);
    if (t.rfind("\xEF\xBB\xBF", 0) == 0) t = TextUtil::Trim(t.substr(3));  // a UTF-8 mark before the first line
    if (t.empty()) return p;
    if (t[0] == '[') {
        size_t close = t.find(']');
        if (close == std::string::npos) return p;  // not a header, and no key either
        p.kind = Kind::Header;
        p.name = TextUtil::Trim(std::string_view(t).substr(1, close - 1));
        return p;
    }
    // Only "name=value" lines are keys; a line without '=' is neither key nor value.
    size_t eq = t.find('=');
    if (eq == std::string::npos) return p;
    p.kind = Kind::Key;
    p.name = TextUtil::Trim(std::string_view(t).substr(0, eq));
    p.value = TextUtil::Trim(std::string_view(t).substr(eq + 1));
    return p;
}

int IniDocument::FindHeader(std::string_view section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Parsed& p = m_lines[i].parsed;
        if (p.kind == Kind::Header && AnsiCodePage::EqualIgnoringCase(p.name, section)) return static_cast<int>(i);
    }
    return -1;
}

int IniDocument::SectionEnd(int header) const
{
    for (size_t i = static_cast<size_t>(header) + 1; i < m_lines.size(); ++i)
        if (m_lines[i].parsed.kind == Kind::Header) return static_cast<int>(i);
    return static_cast<int>(m_lines.size());
}

int IniDocument::FindKey(int header, std::string_view key) const
{
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Parsed& p = m_lines[static_cast<size_t>(i)].parsed;
        if (p.kind == Kind::Key && AnsiCodePage::EqualIgnoringCase(p.name, key)) return i;
    }
    return -1;
}

std::vector<std::string> IniDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        const Parsed& p = line.parsed;
        if (p.kind == Kind::Header) names.push_back(p.name);
    }
    return names;
}

bool IniDocument::HasSection(std::string_view section) const
{
    return FindHeader(section) >= 0;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    int header = FindHeader(section);
    if (header < 0) return names;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Parsed& p = m_lines[static_cast<size_t>(i)].parsed;
        // A commented-out "; name=value" can still be read, but is not listed.
        if (p.kind == Kind::Key && (p.name.empty() || p.name[0] != ';')) names.push_back(p.name);
    }
    return names;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const
{
    int header = FindHeader(section);
    if (header < 0) return std::nullopt;
    int line = FindKey(header, key);
    if (line < 0) return std::nullopt;
    const Parsed& p = m_lines[static_cast<size_t>(line)].parsed;
    return p.value ? *p.value : std::string();
}

std::vector<IniDocument::Section> IniDocument::AllSections() const
{
    std::vector<Section> sections;
    for (const Line& line : m_lines) {
        const Parsed& p = line.parsed;
        if (p.kind == Kind::Header)
            sections.push_back({p.name, {}});
        else if (p.kind == Kind::Key && !sections.empty())
            sections.back().entries.push_back({p.name, p.value});
    }
    return sections;
}

std::string IniDocument::NewLineEnding() const
{
    // New lines follow the file's own convention; a new file gets CRLF as on Windows.
    for (const Line& line : m_lines)
        if (!line.ending.empty()) return line.ending;
    return "\r\n";
}

void IniDocument::EnsureLastLineEnded()
{
    if (!m_lines.empty() && m_lines.back().ending.empty()) m_lines.back().ending = NewLineEnding();
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string ending = NewLineEnding();
    int header = FindHeader(section);
    if (header < 0) {
        EnsureLastLineEnded();
        m_lines.push_back(MakeLine("[" + std::string(section) + "]", ending));
        m_lines.push_back(MakeLine(std::string(key) + "=" + std::string(value), ending));
        return;
    }
    int line = FindKey(header, key);
    if (line >= 0) {
        Line& l = m_lines[static_cast<size_t>(line)];
        l = MakeLine(l.parsed.name + "=" + std::string(value), l.ending);
        return;
    }
    // A new key goes after the section's last non-blank line, before the blank lines
    // that separate it from the next section.
    int end = SectionEnd(header);
    int after = header;
    for (int i = header + 1; i < end; ++i)
        if (!TextUtil::Trim(m_lines[static_cast<size_t>(i)].text).empty()) after = i;
    Line& prev = m_lines[static_cast<size_t>(after)];
    if (prev.ending.empty()) prev.ending = ending;
    m_lines.insert(m_lines.begin() + after + 1, MakeLine(std::string(key) + "=" + std::string(value), ending));
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key)
{
    int header = FindHeader(section);
    if (header < 0) return;
    int line = FindKey(header, key);
    if (line >= 0) m_lines.erase(m_lines.begin() + line);
}

void IniDocument::DeleteSection(std::string_view section)
{
    int header = FindHeader(section);
    if (header < 0) return;
    int end = SectionEnd(header);
    m_lines.erase(m_lines.begin() + header, m_lines.begin() + end);
}
