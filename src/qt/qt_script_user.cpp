// What a script's user does to the desktop program: real clicks and keys on
// the widgets, checked first as in every shell.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>

#include "qt/grid_key_map.h"
#include "qt/grid_widget.h"
#include "qt/qt_dialog.h"
#include "qt/qt_menu_items.h"
#include "qt/qt_script_input.h"
#include "qt/qt_script_shell.h"
#include "qt/qt_text.h"
#include "qt/tab_strip_widget.h"

namespace {

// How far apart the points are that are tried for a click on a control.
constexpr int kProbeStep = 3;

QtDialog& DialogOf(Dialog& window) { return *QtDialog::Of(&window); }

std::string ActivateDialog(QtDialog& dialog) {
  if (ActivateWindow(dialog.Window())) return {};
  return "the window " + dialog.GetCaption() + " does not become active";
}

// A point of the client area where a click reaches the control, or the
// window's background for id 0; the middle when it does.
std::optional<QPoint> PointOn(const QtDialog& dialog, int id) {
  QRect area = dialog.Client()->rect();
  if (id != 0) area &= dialog.ItemWidget(id)->geometry();
  if (dialog.ControlIdAt(area.center()) == id) return area.center();
  for (int y = area.top(); y <= area.bottom(); y += kProbeStep) {
    for (int x = area.left(); x <= area.right(); x += kProbeStep) {
      if (dialog.ControlIdAt(QPoint(x, y)) == id) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

// Drags the scroll bars' thumbs until the cell shows, as the user does; the
// cell's middle.
std::string Locate(GridWidget& grid, int row, int col, QPoint* at) {
  const GridScroll drag = [&grid](bool vertical, int position) {
    (vertical ? grid.VerticalBar() : grid.HorizontalBar())->setSliderPosition(position);
  };
  return LocateCell(grid.Engine(), row, col, drag, &at->rx(), &at->ry());
}

// Clicks the tab strip's scroll arrows until the tab shows whole.
void RevealTab(QTabBar& bar, int index) {
  for (int step = 0; step < bar.count(); ++step) {
    const QRect tab = bar.tabRect(index);
    bool hidden = !bar.rect().contains(tab);
    QToolButton* toward = nullptr;
    for (QToolButton* arrow : bar.findChildren<QToolButton*>()) {
      if (!arrow->isVisible()) continue;
      hidden = hidden || arrow->geometry().intersects(tab);
      const bool left = arrow->arrowType() == Qt::LeftArrow;
      if (left == (tab.center().x() < bar.width() / 2)) toward = arrow;
    }
    if (!hidden || toward == nullptr) return;
    ClickAt(toward, toward->rect().center());
  }
}

// Opens a combo box's list with a click on its arrow.
void OpenList(QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  const QRect arrow = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxArrow, &combo);
  ClickAt(&combo, arrow.center());
}

}  // namespace

std::string QtScriptShell::ClickControl(QtDialog& dialog, int id, Qt::MouseButton button) {
  const std::optional<QPoint> point = PointOn(dialog, id);
  if (!point) return "the mouse cannot reach control " + std::to_string(id);
  ClickAt(dialog.Client(), *point, button);
  return {};
}

std::string QtScriptShell::ChooseFromMenuBar(QtDialog& dialog, int id) {
  QMenuBar* bar = dialog.MenuBar();
  const QList<QAction*> path = PathToCommand(bar->actions(), id);
  if (path.isEmpty()) return "menu item " + std::to_string(id) + " is not in the menu bar";
  ClickAt(bar, bar->actionGeometry(path.front()).center());
  if (path.size() == 1 || ChooseByKeyboard(path.front()->menu(), path.mid(1))) return {};
  Dismiss(path.front()->menu());
  return "menu item " + std::to_string(id) + " cannot be chosen";
}

std::string QtScriptShell::Command(Dialog& window, int id) {
  QtDialog& dialog = DialogOf(window);
  CommandTarget target = CommandTarget::kWindow;
  if (std::string why = CheckCommand(MenuBar(window), Controls(window), id, &target); !why.empty())
    return why;
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  switch (target) {
    case CommandTarget::kMenuItem: return ChooseFromMenuBar(dialog, id);
    case CommandTarget::kControl: return ClickControl(dialog, id, Qt::LeftButton);
    case CommandTarget::kWindow: break;
  }
  // No user action sends it: it comes as another program's would.
  dialog.SendCommand(id, kNotifyClicked);
  return {};
}

std::string QtScriptShell::ClickTab(Dialog& window, int index) {
  QtDialog& dialog = DialogOf(window);
  int id = 0;
  if (std::string why = CheckTab(Controls(window), window, index, &id); !why.empty()) return why;
  if (index == window.GetTabSelection(id)) return {};
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  QTabBar& bar = *static_cast<TabStripWidget*>(dialog.ItemWidget(id))->Bar();
  RevealTab(bar, index);
  ClickAt(&bar, bar.tabRect(index).center());
  return {};
}

std::string QtScriptShell::GridOf(Dialog& window, GridWidget** grid) {
  GridTarget target;
  if (std::string why = FindGrid(window, Controls(window), &target); !why.empty()) return why;
  *grid = static_cast<GridWidget*>(DialogOf(window).ItemWidget(target.id));
  return {};
}

std::string QtScriptShell::ClickCell(Dialog& window, int row, int col, CellClick how) {
  GridWidget* grid = nullptr;
  if (std::string why = GridOf(window, &grid); !why.empty()) return why;
  if (std::string why = ActivateDialog(DialogOf(window)); !why.empty()) return why;
  QPoint at;
  if (std::string why = Locate(*grid, row, col, &at); !why.empty()) return why;
  switch (how) {
    case CellClick::kLeft: ClickAt(grid, at); break;
    case CellClick::kDouble: DoubleClickAt(grid, at); break;
    case CellClick::kRight: ClickAt(grid, at, Qt::RightButton); break;
  }
  return {};
}

std::string QtScriptShell::FocusGrid(GridWidget& grid) {
  if (QApplication::focusWidget() == &grid) return {};
  const GridState& state = grid.Engine().State();
  QPoint at;
  if (std::string why = Locate(grid, state.cursorRow, state.cursorCol, &at); !why.empty())
    return why;
  ClickAt(&grid, at);
  return {};
}

std::string QtScriptShell::Type(Dialog& window, std::string_view text) {
  GridWidget* grid = nullptr;
  if (std::string why = GridOf(window, &grid); !why.empty()) return why;
  if (std::string why = ActivateDialog(DialogOf(window)); !why.empty()) return why;
  if (std::string why = FocusGrid(*grid); !why.empty()) return why;
  TypeText(grid, ToQString(text), false);
  return {};
}

std::string QtScriptShell::Key(Dialog& window, const ScriptKey& key) {
  Qt::KeyboardModifiers modifiers;
  const Qt::Key pressed = QtKeyOf(key.key, &modifiers);
  GridWidget* grid = nullptr;
  const std::string noGrid = GridOf(window, &grid);
  // Without a grid, Escape and Enter still reach the window.
  if (!noGrid.empty() && key.key != GridKey::Escape && key.key != GridKey::Enter) return noGrid;
  QtDialog& dialog = DialogOf(window);
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  if (grid == nullptr) {
    PressKey(dialog.Window(), pressed, modifiers);
    return {};
  }
  if (std::string why = FocusGrid(*grid); !why.empty()) return why;
  PressKey(grid, pressed, modifiers);
  return {};
}

std::string QtScriptShell::Edit(Dialog& window, int id, std::string_view text) {
  QtDialog& dialog = DialogOf(window);
  if (std::string why = CheckTyping(Controls(window), id, text); !why.empty()) return why;
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  QWidget* target = dialog.ItemWidget(id);
  if (auto* combo = qobject_cast<QComboBox*>(target)) {
    ClickAt(combo->lineEdit(), combo->lineEdit()->rect().center());
  } else if (std::string why = ClickControl(dialog, id, Qt::LeftButton); !why.empty()) {
    return why;
  }
  // The whole text is selected, then typed over.
  PressKey(target, Qt::Key_A, Qt::ControlModifier);
  if (text.empty()) {
    PressKey(target, Qt::Key_Delete);
  } else {
    TypeText(target, ToQString(text), true);
  }
  return {};
}

std::string QtScriptShell::Select(Dialog& window, int id, int index) {
  QtDialog& dialog = DialogOf(window);
  if (std::string why = CheckChoice(Controls(window), window, id, index); !why.empty()) return why;
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  if (auto* list = qobject_cast<QListWidget*>(dialog.ItemWidget(id))) {
    QListWidgetItem* item = list->item(index);
    const bool extended = list->selectionMode() == QAbstractItemView::ExtendedSelection;
    // With Ctrl the item joins the selection; on one already in it Ctrl would
    // take it out, so it is left as it is.
    if (extended && item->isSelected()) return {};
    list->scrollToItem(item);
    ClickAt(list->viewport(), list->visualItemRect(item).center(), Qt::LeftButton,
            extended ? Qt::ControlModifier : Qt::NoModifier);
    return {};
  }
  auto& combo = *static_cast<QComboBox*>(dialog.ItemWidget(id));
  OpenList(combo);
  QAbstractItemView* view = combo.view();
  // The list opens on the selected item; the arrow keys move to the one wanted.
  for (int step = 0; step <= combo.count() && view->currentIndex().row() != index; ++step)
    PressKey(view, view->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
  PressKey(view, view->currentIndex().row() == index ? Qt::Key_Return : Qt::Key_Escape);
  if (combo.currentIndex() != index)
    return "control " + std::to_string(id) + " does not take item " + std::to_string(index);
  return {};
}

std::string QtScriptShell::DoubleClickItem(Dialog& window, int id, int index) {
  QtDialog& dialog = DialogOf(window);
  if (std::string why = CheckListItem(Controls(window), window, id, index); !why.empty())
    return why;
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  auto& list = *static_cast<QListWidget*>(dialog.ItemWidget(id));
  QListWidgetItem* item = list.item(index);
  list.scrollToItem(item);
  DoubleClickAt(list.viewport(), list.visualItemRect(item).center());
  return {};
}

std::string QtScriptShell::Context(Dialog& window, int id) {
  QtDialog& dialog = DialogOf(window);
  if (std::string why = CheckContext(Controls(window), id); !why.empty()) return why;
  if (std::string why = ActivateDialog(dialog); !why.empty()) return why;
  return ClickControl(dialog, id, Qt::RightButton);
}

std::string QtScriptShell::Close(Dialog& window) {
  DialogOf(window).Window()->close();
  return {};
}

std::string QtScriptShell::Activate(int templateId) {
  QtDialog* dialog = platform_.ShownModeless(templateId);
  if (dialog == nullptr) return "no window " + std::to_string(templateId) + " is shown";
  platform_.BringToFront(*dialog);
  return ActivateDialog(*dialog);
}

std::string QtScriptShell::Resize(Dialog& window, int width, int height) {
  QtDialog& dialog = DialogOf(window);
  QWidget* frame = dialog.Window();
  // The menu bar lies above the client area.
  frame->resize(width, height + frame->height() - dialog.Client()->height());
  return {};
}
