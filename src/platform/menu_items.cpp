#include "platform/menu_items.h"

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, int command) {
  for (const MenuItem& item : items) {
    if (item.id == command && !item.IsSeparator() && item.submenu.empty()) return &item;
    if (const MenuItem* inner = FindMenuItem(item.submenu, command)) return inner;
  }
  return nullptr;
}

MenuItem* FindMenuItem(std::vector<MenuItem>& items, int command) {
  const std::vector<MenuItem>& view = items;
  return const_cast<MenuItem*>(FindMenuItem(view, command));
}
