// A menu; the framework hands out the system menu of a window (CWnd::GetSystemMenu).
#pragma once

#include <string>

#include "framework/UiTypes.h"

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU menu) : m_hMenu(menu) {}

    HMENU m_hMenu = nullptr;

    // The object of a menu handle; lives as long as the program.
    static CMenu* FromHandle(HMENU menu);

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    BOOL AppendMenu(UINT flags, UINT_PTR id, const std::string& text) { return AppendMenu(flags, id, text.c_str()); }
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    int GetMenuString(int position, std::string& text) const;
};
