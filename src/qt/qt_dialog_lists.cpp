// Items of list boxes, combo boxes and tab strips.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "qt/qt_dialog.h"
#include "qt/qt_text.h"
#include "qt/tab_strip_widget.h"

namespace {

QComboBox* AsCombo(const DialogControl* control) {
  if (control == nullptr || (control->kind != ControlKind::kComboBox &&
                             control->kind != ControlKind::kDropList)) {
    return nullptr;
  }
  return static_cast<QComboBox*>(control->widget);
}

QListWidget* AsList(const DialogControl* control) {
  if (control == nullptr || control->kind != ControlKind::kListBox) return nullptr;
  return static_cast<QListWidget*>(control->widget);
}

QTabBar* AsTabBar(const DialogControl* control) {
  if (control == nullptr || control->kind != ControlKind::kTabStrip) return nullptr;
  return static_cast<TabStripWidget*>(control->widget)->Bar();
}

// Tab labels are data (budget IDs): an ampersand is shown, not a mnemonic.
QString TabText(std::string_view label) {
  return ToQString(label).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string LabelOf(const QString& tabText) {
  return ToStdString(QString(tabText).replace(QStringLiteral("&&"), QStringLiteral("&")));
}

}  // namespace

void QtDialog::ResetItems(int id) {
  DialogControl* control = Find(id);
  if (QComboBox* combo = AsCombo(control)) {
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    // Emptying the list leaves the edit part alone.
    if (combo->isEditable()) combo->setEditText(text);
  } else if (QListWidget* list = AsList(control)) {
    const QSignalBlocker blocker(list);
    list->clear();
  }
}

int QtDialog::AddItemString(int id, std::string_view text) {
  DialogControl* control = Find(id);
  if (QComboBox* combo = AsCombo(control)) {
    const QSignalBlocker blocker(combo);
    const QString editText = combo->currentText();
    const int selected = combo->currentIndex();
    combo->addItem(ToQString(text));
    // Adding never selects: a first item would otherwise become the selection.
    if (combo->currentIndex() != selected) combo->setCurrentIndex(selected);
    if (combo->isEditable()) combo->setEditText(editText);
    return combo->count() - 1;
  }
  if (QListWidget* list = AsList(control)) {
    const QSignalBlocker blocker(list);
    list->addItem(ToQString(text));
    return list->count() - 1;
  }
  return -1;
}

int QtDialog::CountItemStrings(int id) const {
  const DialogControl* control = Find(id);
  if (const QComboBox* combo = AsCombo(control)) return combo->count();
  if (const QListWidget* list = AsList(control)) return list->count();
  return 0;
}

std::string QtDialog::GetItemString(int id, int index) const {
  const DialogControl* control = Find(id);
  if (const QComboBox* combo = AsCombo(control)) {
    return index >= 0 && index < combo->count() ? ToStdString(combo->itemText(index))
                                                 : std::string();
  }
  if (const QListWidget* list = AsList(control)) {
    const QListWidgetItem* item = index >= 0 ? list->item(index) : nullptr;
    return item != nullptr ? ToStdString(item->text()) : std::string();
  }
  return {};
}

int QtDialog::GetItemSelection(int id) const {
  const DialogControl* control = Find(id);
  if (const QComboBox* combo = AsCombo(control)) return combo->currentIndex();
  if (const QListWidget* list = AsList(control)) return list->currentRow();
  return -1;
}

void QtDialog::SetItemSelection(int id, int index) {
  DialogControl* control = Find(id);
  if (QComboBox* combo = AsCombo(control)) {
    const QSignalBlocker blocker(combo);
    const QSignalBlocker lineBlocker(combo->lineEdit());
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    RememberText(*control);
  } else if (QListWidget* list = AsList(control)) {
    const QSignalBlocker blocker(list);
    const QSignalBlocker selectionBlocker(list->selectionModel());
    list->clearSelection();
    list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
  }
}

bool QtDialog::IsItemSelected(int id, int index) const {
  const QListWidget* list = AsList(Find(id));
  const QListWidgetItem* item = list != nullptr && index >= 0 ? list->item(index) : nullptr;
  return item != nullptr && item->isSelected();
}

void QtDialog::SetItemSelected(int id, int index, bool selected) {
  QListWidget* list = AsList(Find(id));
  QListWidgetItem* item = list != nullptr && index >= 0 ? list->item(index) : nullptr;
  if (item == nullptr) return;
  const QSignalBlocker blocker(list);
  const QSignalBlocker selectionBlocker(list->selectionModel());
  if (list->selectionMode() != QAbstractItemView::ExtendedSelection && selected) {
    list->setCurrentItem(item);
  }
  item->setSelected(selected);
}

void QtDialog::InsertTab(int id, int index, std::string_view label) {
  DialogControl* control = Find(id);
  QTabBar* bar = AsTabBar(control);
  if (bar == nullptr || index < 0) return;
  {
    const QSignalBlocker blocker(bar);
    bar->insertTab(std::min(index, bar->count()), TabText(label));
  }
  control->tabSelection = bar->currentIndex();
  static_cast<TabStripWidget*>(control->widget)->Relayout();
}

void QtDialog::DeleteAllTabs(int id) {
  DialogControl* control = Find(id);
  QTabBar* bar = AsTabBar(control);
  if (bar == nullptr) return;
  {
    const QSignalBlocker blocker(bar);
    while (bar->count() > 0) bar->removeTab(bar->count() - 1);
  }
  control->tabSelection = -1;
  static_cast<TabStripWidget*>(control->widget)->Relayout();
}

int QtDialog::CountTabs(int id) const {
  const QTabBar* bar = AsTabBar(Find(id));
  return bar != nullptr ? bar->count() : 0;
}

std::string QtDialog::GetTabLabel(int id, int index) const {
  const QTabBar* bar = AsTabBar(Find(id));
  if (bar == nullptr || index < 0 || index >= bar->count()) return {};
  return LabelOf(bar->tabText(index));
}

void QtDialog::SetTabLabel(int id, int index, std::string_view label) {
  DialogControl* control = Find(id);
  QTabBar* bar = AsTabBar(control);
  if (bar == nullptr || index < 0 || index >= bar->count()) return;
  bar->setTabText(index, TabText(label));
  static_cast<TabStripWidget*>(control->widget)->Relayout();
}

int QtDialog::GetTabSelection(int id) const {
  const QTabBar* bar = AsTabBar(Find(id));
  return bar != nullptr ? bar->currentIndex() : -1;
}

void QtDialog::SetTabSelection(int id, int index) {
  DialogControl* control = Find(id);
  QTabBar* bar = AsTabBar(control);
  if (bar == nullptr || index < 0 || index >= bar->count()) return;
  {
    const QSignalBlocker blocker(bar);
    bar->setCurrentIndex(index);
  }
  control->tabSelection = bar->currentIndex();
}
