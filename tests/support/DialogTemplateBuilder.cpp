#include "support/DialogTemplateBuilder.h"

#include <cstring>

namespace {

WORD OrdinalOf(const std::string& className) {
    if (className == FW_CLASS_BUTTON) return 0x0080;
    if (className == FW_CLASS_EDIT) return 0x0081;
    if (className == FW_CLASS_STATIC) return 0x0082;
    if (className == FW_CLASS_LISTBOX) return 0x0083;
    if (className == FW_CLASS_SCROLLBAR) return 0x0084;
    if (className == FW_CLASS_COMBOBOX) return 0x0085;
    return 0;
}

void Dword(std::vector<WORD>& out, DWORD value) {
    out.push_back(static_cast<WORD>(value & 0xFFFF));
    out.push_back(static_cast<WORD>(value >> 16));
}

// Latin-1 text as it is; 0x80 is the euro sign of the ANSI code page.
void Text(std::vector<WORD>& out, const std::string& text) {
    for (unsigned char c : text) out.push_back(c == 0x80 ? 0x20AC : c);
    out.push_back(0);
}

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(short width, short height, DWORD style)
    : m_width(width), m_height(height), m_style(style | DS_SETFONT) {}

DialogTemplateBuilder& DialogTemplateBuilder::Caption(const std::string& caption) {
    m_caption = caption;
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Font(WORD pointSize, const std::string& face) {
    m_style |= DS_SETFONT;
    m_pointSize = pointSize;
    m_face = face;
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::NoFont() {
    m_style &= ~static_cast<DWORD>(DS_SETFONT | DS_FIXEDSYS);
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Add(DWORD id, const char* className, DWORD style, short x, short y,
                                                  short cx, short cy, const std::string& text,
                                                  const std::vector<BYTE>& creationData) {
    m_items.push_back(Item{id, className, style | WS_CHILD | WS_VISIBLE, x, y, cx, cy, text, creationData});
    return *this;
}

void DialogTemplateBuilder::Write() {
    std::vector<WORD>& out = m_words;
    out.clear();
    out.push_back(1);
    out.push_back(0xFFFF);
    Dword(out, 0);  // help id
    Dword(out, 0);  // extended style
    Dword(out, m_style);
    out.push_back(static_cast<WORD>(m_items.size()));
    for (short value : {short{0}, short{0}, m_width, m_height}) out.push_back(static_cast<WORD>(value));
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    Text(out, m_caption);
    if (m_style & DS_SETFONT) {
        out.push_back(m_pointSize);
        out.push_back(400);  // weight
        out.push_back(0);    // italic, character set
        Text(out, m_face);
    }
    for (const Item& item : m_items) {
        if (out.size() % 2) out.push_back(0);  // items start on a DWORD
        Dword(out, 0);
        Dword(out, 0);
        Dword(out, item.style);
        for (short value : {item.x, item.y, item.cx, item.cy}) out.push_back(static_cast<WORD>(value));
        Dword(out, item.id);
        if (const WORD ordinal = OrdinalOf(item.className)) {
            out.push_back(0xFFFF);
            out.push_back(ordinal);
        } else {
            Text(out, item.className);
        }
        Text(out, item.text);
        out.push_back(static_cast<WORD>(item.creationData.size()));
        std::vector<BYTE> data = item.creationData;
        if (data.size() % 2) data.push_back(0);
        for (size_t i = 0; i < data.size(); i += 2) out.push_back(static_cast<WORD>(data[i] | (data[i + 1] << 8)));
    }
}

LPCDLGTEMPLATE DialogTemplateBuilder::Get() {
    Write();
    return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data());
}

std::vector<BYTE> DialogTemplateBuilder::Bytes() {
    Write();
    std::vector<BYTE> bytes(m_words.size() * 2);
    std::memcpy(bytes.data(), m_words.data(), bytes.size());
    return bytes;
}
