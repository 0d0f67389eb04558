// Dialog templates a test makes on the fly, written as the system lays dialog resources out
// (DLGTEMPLATEEX, the font set with DS_SETFONT), for InitModalIndirect and PSP_DLGINDIRECT
// pages, and as raw bytes for the template reader. Predefined classes are written by ordinal
// as the resource compiler writes them.
//
//   DialogTemplateBuilder page(200, 120, WS_CHILD | DS_CONTROL);
//   page.Add(kChoice, FW_CLASS_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 80, 12, "Choice");
//   dialog.InitModalIndirect(page.Get());
#pragma once

#include <string>
#include <vector>

#include "framework/ControlClassNames.h"
#include "framework/UiTypes.h"

class DialogTemplateBuilder {
public:
    explicit DialogTemplateBuilder(short width = 220, short height = 140,
                                   DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU);

    DialogTemplateBuilder& Caption(const std::string& caption);
    // The dialog font; without one the template has no DS_SETFONT.
    DialogTemplateBuilder& Font(WORD pointSize, const std::string& face);
    DialogTemplateBuilder& NoFont();
    DialogTemplateBuilder& Add(DWORD id, const char* className, DWORD style, short x, short y, short cx, short cy,
                               const std::string& text = {}, const std::vector<BYTE>& creationData = {});

    // The finished template; valid until the builder changes or goes.
    LPCDLGTEMPLATE Get();
    std::vector<BYTE> Bytes();

private:
    struct Item {
        DWORD id;
        std::string className;
        DWORD style;
        short x, y, cx, cy;
        std::string text;
        std::vector<BYTE> creationData;
    };

    void Write();

    short m_width;
    short m_height;
    DWORD m_style;
    std::string m_caption;
    WORD m_pointSize = 8;
    std::string m_face = "MS Shell Dlg";
    std::vector<Item> m_items;
    std::vector<WORD> m_words;
};
