// The menus of the headless backend (system menus), by handle.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/UiTypes.h"

namespace fw::headless {

struct MenuItem {
    UINT flags = MF_STRING;
    UINT_PTR id = 0;
    std::string text;
};

class MenuTable {
public:
    static MenuTable& Get();
    // A system menu as the system starts it: the Close command.
    HMENU CreateSystemMenu();
    void Reset(HMENU menu);  // back to the system menu's start
    std::vector<MenuItem>* Find(HMENU menu);
    void Destroy(HMENU menu);

private:
    std::map<HMENU, std::vector<MenuItem>> m_menus;
    uintptr_t m_next = 0x30000;
};

}  // namespace fw::headless
