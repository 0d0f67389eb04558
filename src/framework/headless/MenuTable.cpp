#include "framework/headless/MenuTable.h"

namespace fw::headless {
namespace {

std::vector<MenuItem> SystemItems() { return {MenuItem{MF_STRING, SC_CLOSE, "Close"}}; }

}  // namespace

MenuTable& MenuTable::Get() {
    static MenuTable table;
    return table;
}

HMENU MenuTable::CreateSystemMenu() {
    m_next += 4;
    const auto menu = reinterpret_cast<HMENU>(m_next);
    m_menus[menu] = SystemItems();
    return menu;
}

void MenuTable::Reset(HMENU menu) {
    if (auto* items = Find(menu)) *items = SystemItems();
}

std::vector<MenuItem>* MenuTable::Find(HMENU menu) {
    const auto found = m_menus.find(menu);
    return found == m_menus.end() ? nullptr : &found->second;
}

void MenuTable::Destroy(HMENU menu) { m_menus.erase(menu); }

}  // namespace fw::headless
