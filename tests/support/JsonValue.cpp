#include "support/JsonValue.h"

#include <cctype>
#include <cstdlib>

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}

    bool Document(JsonValue& value)
    {
        return Value(value, 0) && (SkipBlanks(), m_pos == m_text.size());
    }

private:
    void SkipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' ||
                                         m_text[m_pos] == '\r')) {
            ++m_pos;
        }
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool Word(const char* word)
    {
        const std::string w(word);
        if (m_text.compare(m_pos, w.size(), w) != 0) return false;
        m_pos += w.size();
        return true;
    }

    bool Value(JsonValue& value, int depth)
    {
        if (depth > 64) return false;
        SkipBlanks();
        if (m_pos >= m_text.size()) return false;
        const char c = m_text[m_pos];
        if (c == '{') return Object(value, depth);
        if (c == '[') return Array(value, depth);
        if (c == '"') {
            value.type = JsonValue::Type::string;
            return String(value.text);
        }
        if (Word("true") || Word("false")) {
            value.type = JsonValue::Type::boolean;
            value.boolean = c == 't';
            return true;
        }
        if (Word("null")) {
            value.type = JsonValue::Type::null;
            return true;
        }
        return Number(value);
    }

    bool Number(JsonValue& value)
    {
        const size_t start = m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '-') ++m_pos;
        if (m_pos >= m_text.size() || !std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) return false;
        while (m_pos < m_text.size() && (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) ||
                                         m_text[m_pos] == '.' || m_text[m_pos] == 'e' || m_text[m_pos] == 'E' ||
                                         m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
            ++m_pos;
        }
        value.type = JsonValue::Type::number;
        value.number = std::strtod(m_text.substr(start, m_pos - start).c_str(), nullptr);
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool String(std::string& out)
    {
        if (m_text[m_pos] != '"') return false;
        ++m_pos;
        out.clear();
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size()) return false;
            const char e = m_text[m_pos++];
            switch (e) {
            case '"': case '\\': case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (m_pos + 4 > m_text.size()) return false;
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = m_text[m_pos++];
                    if (!std::isxdigit(static_cast<unsigned char>(h))) return false;
                    code = code * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h))
                                                                 ? h - '0'
                                                                 : std::tolower(static_cast<unsigned char>(h)) - 'a' + 10);
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool Array(JsonValue& value, int depth)
    {
        ++m_pos;
        value.type = JsonValue::Type::array;
        if (Take(']')) return true;
        do {
            JsonValue item;
            if (!Value(item, depth + 1)) return false;
            value.items.push_back(item);
        } while (Take(','));
        return Take(']');
    }

    bool Object(JsonValue& value, int depth)
    {
        ++m_pos;
        value.type = JsonValue::Type::object;
        if (Take('}')) return true;
        do {
            SkipBlanks();
            std::string name;
            if (m_pos >= m_text.size() || !String(name) || !Take(':')) return false;
            JsonValue field;
            if (!Value(field, depth + 1)) return false;
            if (!value.fields.emplace(name, field).second) return false;  // a name twice
        } while (Take(','));
        return Take('}');
    }

    const std::string& m_text;
    size_t m_pos = 0;
};

}  // namespace

bool JsonValue::Parse(const std::string& text, JsonValue& value)
{
    value = JsonValue();
    return Reader(text).Document(value);
}

std::string JsonValue::Field(const std::string& name) const
{
    const auto found = fields.find(name);
    return found != fields.end() && found->second.type == Type::string ? found->second.text : std::string();
}
