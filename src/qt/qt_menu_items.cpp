#include "qt/qt_menu_items.h"

#include <QMenu>

#include "qt/qt_text.h"

std::vector<MenuItem> MenuItemsOf(const QList<QAction*>& actions) {
  std::vector<MenuItem> items;
  for (const QAction* action : actions) {
    if (action->isSeparator()) {
      items.emplace_back();
      continue;
    }
    MenuItem item{action->data().toInt(), ToStdString(action->text()), !action->isEnabled(), {}};
    if (const QMenu* submenu = action->menu()) item.submenu = MenuItemsOf(submenu->actions());
    items.push_back(std::move(item));
  }
  return items;
}

QList<QAction*> PathToCommand(const QList<QAction*>& actions, int command) {
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;
    if (const QMenu* submenu = action->menu()) {
      QList<QAction*> inner = PathToCommand(submenu->actions(), command);
      if (!inner.isEmpty()) {
        inner.prepend(action);
        return inner;
      }
    } else if (action->data().toInt() == command) {
      return {action};
    }
  }
  return {};
}
