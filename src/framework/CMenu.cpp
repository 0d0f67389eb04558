#include "framework/CMenu.h"

#include <map>
#include <memory>

#include "framework/WindowSystem.h"

CMenu* CMenu::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    static std::map<HMENU, std::unique_ptr<CMenu>> objects;
    auto& object = objects[menu];
    if (!object) object = std::make_unique<CMenu>(menu);
    return object.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    return fw::ws::MenuAppend(m_hMenu, flags, id, text);
}

int CMenu::GetMenuItemCount() const { return fw::ws::MenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int position) const { return fw::ws::MenuItemId(m_hMenu, position); }

int CMenu::GetMenuString(int position, std::string& text) const {
    text = fw::ws::MenuItemText(m_hMenu, position);
    return static_cast<int>(text.size());
}
