// The menu bar from its template, and popup menus.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

#include "qt/qt_dialog.h"
#include "qt/qt_text.h"

void QtDialog::BuildMenuBar(const MenuTemplate& menu) {
  menuBar_ = new QMenuBar(Window());
  // "&" marks a mnemonic and "&&" an ampersand here as in the templates.
  for (const MenuItem& item : menu.items) {
    if (item.submenu.empty()) {
      QAction* action = menuBar_->addAction(ToQString(item.text));
      action->setEnabled(!item.grayed);
      action->setData(item.id);
      const int id = item.id;
      connect(action, &QAction::triggered, this, [this, id] { SendCommand(id, kNotifyClicked); });
      menuActions_.emplace(id, action);
      continue;
    }
    QMenu* submenu = menuBar_->addMenu(ToQString(item.text));
    submenu->setEnabled(!item.grayed);
    submenu->menuAction()->setData(item.id);
    FillMenu(submenu, item.submenu, true);
  }
}

// An edit box with the focus keeps its own Ctrl+Z: Qt lets it override the
// window's key.
void QtDialog::BuildKeys(const std::vector<KeyCommand>& keys) {
  for (const KeyCommand& key : keys) {
    auto* shortcut = new QShortcut(QKeySequence(ToQString(key.key)), Window());
    const int id = key.command;
    connect(shortcut, &QShortcut::activated, this, [this, id] { SendCommand(id, kNotifyClicked); });
  }
}

// Menu bar items send their command at once; a popup's choice is posted, so
// that it arrives after the popup call returned. Every item keeps its command
// as its data.
void QtDialog::FillMenu(QMenu* menu, const std::vector<MenuItem>& items, bool deliverNow) {
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    if (!item.submenu.empty()) {
      QMenu* submenu = menu->addMenu(ToQString(item.text));
      submenu->setEnabled(!item.grayed);
      submenu->menuAction()->setData(item.id);
      FillMenu(submenu, item.submenu, deliverNow);
      continue;
    }
    // A tab ends the text and starts the item's key, as in the templates.
    const std::size_t tab = item.text.find('\t');
    QAction* action = menu->addAction(ToQString(std::string_view(item.text).substr(0, tab)));
    if (tab != std::string::npos) {
      action->setShortcut(QKeySequence(ToQString(std::string_view(item.text).substr(tab + 1))));
    }
    action->setEnabled(!item.grayed);
    action->setData(item.id);
    const int id = item.id;
    if (deliverNow) {
      connect(action, &QAction::triggered, this, [this, id] { SendCommand(id, kNotifyClicked); });
      menuActions_.emplace(id, action);
    }
  }
}

void QtDialog::SetMenuItem(int command, std::string_view text, bool enabled) {
  const auto it = menuActions_.find(command);
  if (it == menuActions_.end()) return;
  it->second->setText(ToQString(text));
  it->second->setEnabled(enabled);
}

void QtDialog::ShowMenuItem(int command, bool show) {
  const auto it = menuActions_.find(command);
  if (it != menuActions_.end()) it->second->setVisible(show);
}

void QtDialog::TrackPopupMenu(const std::vector<MenuItem>& items, int x, int y) {
  if (items.empty() || window_ == nullptr) return;
  // The window may go while the menu is open; the menu goes with it then.
  const QPointer<QMenu> menu = new QMenu(window_);
  FillMenu(menu, items, false);
  const QPointer<QtDialog> alive(this);
  const QAction* chosen = menu->exec(QPoint(x, y));
  const int id = chosen != nullptr ? chosen->data().toInt() : 0;
  delete menu.data();
  if (alive == nullptr || chosen == nullptr) return;
  Post([this, id] { SendCommand(id, kNotifyClicked); });
}
