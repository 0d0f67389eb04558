// An INI file held as its lines, so that edits touch only the lines they change and keep
// comments, blank lines, spacing and line ends of everything else.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Internal to the platform library: only the Win32 entry points are exported.
#pragma GCC visibility push(hidden)

class IniDocument {
public:
    struct Entry {
        std::string key;
        std::optional<std::string> value;  // none: a line without '='
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void Parse(std::string_view bytes);
    std::string Serialize() const;

    // Reading: section and key names compare without regard to case (the ANSI code page's
    // letters, not ASCII only); the first match wins.
    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<Section> AllSections() const;  // every section occurrence, in file order

    // Writing.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void DeleteSection(std::string_view section);

private:
    enum class Kind { Other, Header, Key };
    struct Parsed {
        Kind kind = Kind::Other;
        std::string name;
        std::optional<std::string> value;
    };
    // Each line is classified once, when it is read or changed, so lookups only compare names.
    struct Line {
        std::string text;
        std::string ending;  // "\r\n", "\n" or "" (last line without one)
        Parsed parsed;
    };
    static Line MakeLine(std::string text, std::string ending);

    static Parsed Classify(const std::string& text);
    int FindHeader(std::string_view section) const;
    int SectionEnd(int header) const;  // index of the next header, or the line count
    int FindKey(int header, std::string_view key) const;
    std::string NewLineEnding() const;
    void EnsureLastLineEnded();

    std::vector<Line> m_lines;
};

#pragma GCC visibility pop
