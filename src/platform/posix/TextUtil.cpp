#include "TextUtil.h"

#include <cstdlib>

char TextUtil::Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string TextUtil::Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = Lower(c);
    return out;
}

bool TextUtil::EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool TextUtil::IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}

std::string TextUtil::Trim(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string TextUtil::TrimRight(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

static bool MatchFrom(std::string_view p, std::string_view n)
{
    // Iterative glob with single back-tracking point for '*'.
    size_t pi = 0, ni = 0, star = std::string_view::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || TextUtil::Lower(p[pi]) == TextUtil::Lower(n[ni]))) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = ni;
        } else if (star != std::string_view::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

bool TextUtil::WildcardMatch(std::string_view pattern, std::string_view name)
{
    if (pattern == "*.*" || pattern == "*") return true;
    if (MatchFrom(pattern, name)) return true;
    // "name.*" also finds "name" without an extension, as the Windows matcher does.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*")
        return MatchFrom(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

bool TextUtil::HasWildcard(std::string_view text)
{
    return text.find_first_of("*?") != std::string_view::npos;
}

uint32_t TextUtil::ParseNumber(std::string_view text, uint32_t fallback)
{
    std::string t = Trim(text);
    if (t.empty()) return fallback;
    char* end = nullptr;
    unsigned long long v = std::strtoull(t.c_str(), &end, 0);
    if (end == t.c_str() || *end != '\0') return fallback;
    return static_cast<uint32_t>(v);
}

std::vector<std::string> TextUtil::Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t pos = text.find(separator, start);
        if (pos == std::string_view::npos) pos = text.size();
        std::string part = Trim(text.substr(start, pos - start));
        if (!part.empty()) parts.push_back(part);
        start = pos + 1;
    }
    return parts;
}
