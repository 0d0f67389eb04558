#include "framework/win32/DialogTemplateWriter.h"

#include <string>

namespace fw::win32 {

void DialogTemplateWriter::AppendString(std::vector<WORD>& out, const char* text) {
    if (text && *text) {
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
        if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
        for (wchar_t c : wide) {
            if (c == L'\0') break;
            out.push_back(static_cast<WORD>(c));
        }
    }
    out.push_back(0);
}

void DialogTemplateWriter::AppendDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void DialogTemplateWriter::AlignDword(std::vector<WORD>& out) {
    if (out.size() % 2) out.push_back(0);
}

std::vector<WORD> DialogTemplateWriter::Build(const FwDialogTemplate& dialogTemplate, Kind kind) {
    std::vector<WORD> out;
    DWORD style = dialogTemplate.style;
    if (kind == Kind::Page) {
        // As the sheet shows its pages: a child control, enabled; the sheet shows it.
        style = (style & ~(WS_POPUP | WS_DISABLED | WS_VISIBLE | WS_CAPTION | WS_SYSMENU)) | WS_CHILD | DS_CONTROL;
    }
    const bool font = dialogTemplate.fontFace && *dialogTemplate.fontFace;
    if (font) style |= DS_SETFONT;
    else style &= ~static_cast<DWORD>(DS_SETFONT);

    out.push_back(1);       // dlgVer
    out.push_back(0xFFFF);  // signature: extended template
    AppendDword(out, 0);    // helpID
    AppendDword(out, 0);    // exStyle
    AppendDword(out, style);
    out.push_back(static_cast<WORD>(dialogTemplate.itemCount));
    out.push_back(static_cast<WORD>(dialogTemplate.x));
    out.push_back(static_cast<WORD>(dialogTemplate.y));
    out.push_back(static_cast<WORD>(dialogTemplate.cx));
    out.push_back(static_cast<WORD>(dialogTemplate.cy));
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    AppendString(out, dialogTemplate.caption);
    if (font) {
        out.push_back(dialogTemplate.pointSize);
        out.push_back(FW_NORMAL);
        out.push_back(static_cast<WORD>(DEFAULT_CHARSET << 8));  // italic 0, then the charset byte
        AppendString(out, dialogTemplate.fontFace);
    }
    for (UINT i = 0; i < dialogTemplate.itemCount; ++i) {
        const FwDialogItem& item = dialogTemplate.items[i];
        AlignDword(out);
        AppendDword(out, 0);  // helpID
        AppendDword(out, item.exStyle);
        AppendDword(out, item.style | WS_CHILD | WS_VISIBLE);
        out.push_back(static_cast<WORD>(item.x));
        out.push_back(static_cast<WORD>(item.y));
        out.push_back(static_cast<WORD>(item.cx));
        out.push_back(static_cast<WORD>(item.cy));
        AppendDword(out, item.id);
        AppendString(out, item.className);
        AppendString(out, item.text);
        out.push_back(0);  // no creation data
    }
    return out;
}

}  // namespace fw::win32
