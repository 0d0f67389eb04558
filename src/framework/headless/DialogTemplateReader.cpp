#include "framework/headless/DialogTemplateReader.h"

#include <algorithm>
#include <cctype>

#include "framework/ControlClassNames.h"

namespace fw::headless {
namespace {

constexpr WORD kSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;

// The system's predefined control classes by ordinal.
const char* ClassOfOrdinal(WORD ordinal) {
    switch (ordinal) {
        case 0x0080: return FW_CLASS_BUTTON;
        case 0x0081: return FW_CLASS_EDIT;
        case 0x0082: return FW_CLASS_STATIC;
        case 0x0083: return FW_CLASS_LISTBOX;
        case 0x0084: return FW_CLASS_SCROLLBAR;
        case 0x0085: return FW_CLASS_COMBOBOX;
        default: return nullptr;
    }
}

// The system matches class names without regard to case; the backend knows them by one spelling.
std::string CanonicalClass(const std::string& name) {
    for (const char* known : {FW_CLASS_BUTTON, FW_CLASS_EDIT, FW_CLASS_STATIC, FW_CLASS_LISTBOX, FW_CLASS_SCROLLBAR,
                              FW_CLASS_COMBOBOX, FW_CLASS_TRACKBAR}) {
        const std::string spelling = known;
        if (spelling.size() == name.size() &&
            std::equal(name.begin(), name.end(), spelling.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            })) {
            return spelling;
        }
    }
    return name;
}

// Windows-1252 for the characters of 0x80-0x9F that are not Latin-1.
char ToAnsi(WORD unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    static constexpr WORD kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == unit) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::optional<DialogLayout> DialogTemplateReader::Read(const void* data, size_t size) {
    if (!data) return std::nullopt;
    DialogTemplateReader reader(static_cast<const BYTE*>(data), size ? size : kUnknownSizeLimit);
    return reader.Layout();
}

bool DialogTemplateReader::Byte(BYTE* value) {
    if (m_at >= m_size) return false;
    *value = m_data[m_at++];
    return true;
}

bool DialogTemplateReader::Word(WORD* value) {
    if (m_at > m_size || m_size - m_at < 2) return false;
    *value = static_cast<WORD>(m_data[m_at] | (m_data[m_at + 1] << 8));
    m_at += 2;
    return true;
}

bool DialogTemplateReader::Short(short* value) {
    WORD word = 0;
    if (!Word(&word)) return false;
    *value = static_cast<short>(word);
    return true;
}

bool DialogTemplateReader::Dword(DWORD* value) {
    WORD low = 0;
    WORD high = 0;
    if (!Word(&low) || !Word(&high)) return false;
    *value = low | (static_cast<DWORD>(high) << 16);
    return true;
}

bool DialogTemplateReader::Text(std::string* text) {
    text->clear();
    for (WORD unit = 0;;) {
        if (!Word(&unit)) return false;
        if (unit == 0) return true;
        text->push_back(ToAnsi(unit));
    }
}

bool DialogTemplateReader::Name(TemplateName* name) {
    *name = TemplateName{};
    const size_t start = m_at;
    WORD first = 0;
    if (!Word(&first)) return false;
    if (first == kOrdinalMark) return Word(&name->ordinal);
    m_at = start;
    return Text(&name->text);
}

bool DialogTemplateReader::AlignDword() {
    const size_t aligned = (m_at + 3) & ~static_cast<size_t>(3);
    if (aligned > m_size) return false;
    m_at = aligned;
    return true;
}

bool DialogTemplateReader::Item(DialogLayoutItem* item) {
    TemplateName windowClass;
    WORD extra = 0;
    if (!AlignDword() || !Dword(&item->helpId) || !Dword(&item->exStyle) || !Dword(&item->style) ||
        !Short(&item->x) || !Short(&item->y) || !Short(&item->cx) || !Short(&item->cy) || !Dword(&item->id) ||
        !Name(&windowClass) || !Name(&item->title) || !Word(&extra)) {
        return false;
    }
    if (windowClass.ordinal) {
        const char* name = ClassOfOrdinal(windowClass.ordinal);
        if (!name) return false;
        item->className = name;
    } else {
        item->className = CanonicalClass(windowClass.text);
    }
    if (extra > m_size - m_at) return false;
    item->creationData.assign(m_data + m_at, m_data + m_at + extra);
    m_at += extra;
    return true;
}

std::optional<DialogLayout> DialogTemplateReader::Layout() {
    DialogLayout layout;
    WORD version = 0;
    WORD signature = 0;
    WORD count = 0;
    if (!Word(&version) || !Word(&signature) || version != 1 || signature != kSignature) return std::nullopt;
    if (!Dword(&layout.helpId) || !Dword(&layout.exStyle) || !Dword(&layout.style) || !Word(&count) ||
        !Short(&layout.x) || !Short(&layout.y) || !Short(&layout.cx) || !Short(&layout.cy) ||
        !Name(&layout.menu) || !Name(&layout.windowClass) || !Text(&layout.caption)) {
        return std::nullopt;
    }
    if (layout.style & DS_SETFONT) {
        if (!Word(&layout.pointSize) || !Word(&layout.weight) || !Byte(&layout.italic) || !Byte(&layout.charSet) ||
            !Text(&layout.fontFace)) {
            return std::nullopt;
        }
    }
    layout.items.resize(count);
    for (DialogLayoutItem& item : layout.items) {
        if (!Item(&item)) return std::nullopt;
    }
    return layout;
}

}  // namespace fw::headless
