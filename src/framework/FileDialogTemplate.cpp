#include "framework/FileDialogTemplate.h"

namespace {

// The words of one template, written at compile time.
struct TemplateWords {
    WORD words[192] = {};
    int count = 0;

    constexpr void Word(WORD value) { words[count++] = value; }
    constexpr void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    constexpr void Text(const char* text) {
        while (*text) Word(static_cast<WORD>(static_cast<unsigned char>(*text++)));
        Word(0);
    }
    constexpr void Align() {
        if (count % 2) Word(0);
    }
    constexpr void Item(DWORD id, WORD classOrdinal, DWORD style, short x, short y, short cx, short cy,
                        const char* text) {
        Align();
        Dword(0);  // help id
        Dword(0);  // extended style
        Dword(style | WS_CHILD | WS_VISIBLE);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Dword(id);
        Word(0xFFFF);
        Word(classOrdinal);
        Text(text);
        Word(0);  // no creation data
    }
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

constexpr TemplateWords Make(const char* caption) {
    TemplateWords t;
    t.Word(1);       // version
    t.Word(0xFFFF);  // extended template
    t.Dword(0);      // help id
    t.Dword(0);      // extended style
    t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    t.Word(4);  // items
    t.Word(0);
    t.Word(0);
    t.Word(257);
    t.Word(46);
    t.Word(0);  // no menu
    t.Word(0);  // the dialog class
    t.Text(caption);
    t.Word(8);    // point size
    t.Word(400);  // weight
    t.Word(0);    // italic, character set
    t.Text("MS Shell Dlg");
    t.Item(0xFFFF, kStaticClass, SS_LEFT, 7, 9, 40, 8, "File name:");
    t.Item(FileDialogTemplate::kPathEditId, kEditClass, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7, 200, 12, "");
    t.Item(IDOK, kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 146, 26, 50, 14, "OK");
    t.Item(IDCANCEL, kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, 200, 26, 50, 14, "Cancel");
    return t;
}

alignas(4) constexpr TemplateWords kOpen = Make("Open");
alignas(4) constexpr TemplateWords kSave = Make("Save As");

}  // namespace

LPCDLGTEMPLATE FileDialogTemplate::Open() { return reinterpret_cast<LPCDLGTEMPLATE>(kOpen.words); }

LPCDLGTEMPLATE FileDialogTemplate::Save() { return reinterpret_cast<LPCDLGTEMPLATE>(kSave.words); }
