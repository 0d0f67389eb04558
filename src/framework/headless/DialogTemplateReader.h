// Reads a dialog resource as the system lays it out (DLGTEMPLATEEX: version 1, signature
// 0xFFFF) into the layout the headless backend builds windows from. Every read is checked
// against the size of the data, and anything malformed rejects the whole template: the
// dialog then cannot be made, as the system refuses it.
//
//   std::optional<DialogLayout> layout = DialogTemplateReader::Read(bytes, size);
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "framework/UiTypes.h"

namespace fw::headless {

// A name in a template: an ordinal (resource or class number) or a text.
struct TemplateName {
    WORD ordinal = 0;  // 0 when the name is a text
    std::string text;
};

struct DialogLayoutItem {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD id = 0;
    std::string className;  // predefined classes by their names ("Button", "Edit" ...)
    TemplateName title;     // text, or the ordinal of a picture resource
    std::vector<BYTE> creationData;
};

struct DialogLayout {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    TemplateName menu;
    TemplateName windowClass;
    std::string caption;
    WORD pointSize = 0;  // font: only with DS_SETFONT (or DS_SHELLFONT)
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charSet = 0;
    std::string fontFace;
    std::vector<DialogLayoutItem> items;
};

class DialogTemplateReader {
public:
    // Templates handed over without their size are read up to this length.
    static constexpr size_t kUnknownSizeLimit = 0x10000;

    // The layout, or nothing for null or malformed data. size 0: not known.
    static std::optional<DialogLayout> Read(const void* data, size_t size);

private:
    DialogTemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Word(WORD* value);
    bool Dword(DWORD* value);
    bool Short(short* value);
    bool Byte(BYTE* value);
    bool Text(std::string* text);  // UTF-16, zero-terminated, to the ANSI code page
    bool Name(TemplateName* name);
    bool AlignDword();
    bool Item(DialogLayoutItem* item);
    std::optional<DialogLayout> Layout();

    const BYTE* m_data;
    size_t m_size;
    size_t m_at = 0;
};

}  // namespace fw::headless
