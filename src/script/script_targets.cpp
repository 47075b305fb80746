#include "script/script_targets.h"

#include "grid/grid_engine.h"
#include "platform/menu_items.h"

namespace {

std::string Named(int id) { return "control " + std::to_string(id); }

std::string CheckUsable(const ScriptControl* control, int id) {
  if (control == nullptr) return "there is no " + Named(id);
  if (!control->visible) return Named(id) + " is hidden";
  if (!control->enabled) return Named(id) + " is disabled";
  return {};
}

bool IsClickable(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kDefaultButton ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton;
}

bool TakesTyping(ControlKind kind) {
  return kind == ControlKind::kEdit || kind == ControlKind::kComboBox;
}

bool IsList(ControlKind kind) {
  return kind == ControlKind::kListBox || kind == ControlKind::kComboBox ||
         kind == ControlKind::kDropList;
}

std::string CellName(int row, int col) {
  return "cell " + std::to_string(row) + " " + std::to_string(col);
}

bool Shows(const GridEngine& grid, int row, int col) {
  const GridRect rect = grid.CellRect(row, col);
  const int x = (rect.left + rect.right) / 2;
  const int y = (rect.top + rect.bottom) / 2;
  return !rect.Empty() && grid.RowAt(y) == row && grid.ColumnAt(x) == col;
}

}  // namespace

const ScriptControl* FindControl(const std::vector<ScriptControl>& controls, int id) {
  for (const ScriptControl& control : controls)
    if (control.id == id) return &control;
  return nullptr;
}

const ScriptControl* FirstOfKind(const std::vector<ScriptControl>& controls, ControlKind kind) {
  for (const ScriptControl& control : controls)
    if (control.kind == kind) return &control;
  return nullptr;
}

std::string CheckCommand(const std::vector<MenuItem>& menuBar,
                         const std::vector<ScriptControl>& controls, int id,
                         CommandTarget* target) {
  if (const MenuItem* item = FindMenuItem(menuBar, id)) {
    if (item->grayed) return "menu item " + std::to_string(id) + " is grayed";
    *target = CommandTarget::kMenuItem;
    return {};
  }
  *target = CommandTarget::kWindow;
  const ScriptControl* control = FindControl(controls, id);
  if (control == nullptr) return {};
  if (std::string why = CheckUsable(control, id); !why.empty()) return why;
  if (!IsClickable(control->kind)) return Named(id) + " is not a button";
  *target = CommandTarget::kControl;
  return {};
}

std::string CheckTyping(const std::vector<ScriptControl>& controls, int id,
                        std::string_view text) {
  const ScriptControl* control = FindControl(controls, id);
  if (std::string why = CheckUsable(control, id); !why.empty()) return why;
  if (!TakesTyping(control->kind) || (control->style & kStyleReadOnly) != 0)
    return Named(id) + " takes no typing";
  const std::uint32_t lines = kStyleMultiline | kStyleWantReturn;
  if (text.find('\n') != std::string_view::npos && (control->style & lines) != lines)
    return Named(id) + " takes no line break";
  return {};
}

std::string CheckChoice(const std::vector<ScriptControl>& controls, const Dialog& window, int id,
                        int index) {
  const ScriptControl* control = FindControl(controls, id);
  if (std::string why = CheckUsable(control, id); !why.empty()) return why;
  if (!IsList(control->kind)) return Named(id) + " has no items";
  if (index < 0 || index >= window.CountItemStrings(id))
    return Named(id) + " has no item " + std::to_string(index);
  return {};
}

std::string CheckListItem(const std::vector<ScriptControl>& controls, const Dialog& window, int id,
                          int index) {
  const ScriptControl* control = FindControl(controls, id);
  if (control != nullptr && control->kind != ControlKind::kListBox)
    return Named(id) + " is not a list box";
  return CheckChoice(controls, window, id, index);
}

std::string CheckTab(const std::vector<ScriptControl>& controls, const Dialog& window, int index,
                     int* stripId) {
  const ScriptControl* strip = FirstOfKind(controls, ControlKind::kTabStrip);
  if (strip == nullptr) return "the window has no tab strip";
  if (std::string why = CheckUsable(strip, strip->id); !why.empty()) return why;
  if (index < 0 || index >= window.CountTabs(strip->id))
    return "there is no tab " + std::to_string(index);
  *stripId = strip->id;
  return {};
}

std::string CheckContext(const std::vector<ScriptControl>& controls, int id) {
  if (id == 0) return {};
  const ScriptControl* control = FindControl(controls, id);
  if (control == nullptr) return "there is no " + Named(id);
  if (!control->visible) return Named(id) + " is hidden";
  if (control->kind == ControlKind::kLabel || control->kind == ControlKind::kGroupBox)
    return Named(id) + " lets the mouse through";
  return {};
}

std::string FindGrid(Dialog& window, const std::vector<ScriptControl>& controls,
                     GridTarget* target) {
  const ScriptControl* control = FirstOfKind(controls, ControlKind::kGrid);
  GridEngine* engine = control != nullptr ? window.GetGrid(control->id) : nullptr;
  if (engine == nullptr) return "the window has no grid";
  if (!control->visible) return "the grid is hidden";
  if (!control->enabled) return "the grid is disabled";
  target->id = control->id;
  target->engine = engine;
  return {};
}

std::string LocateCell(GridEngine& grid, int row, int col, const GridScroll& scroll, int* x,
                       int* y) {
  if (row < 1 || row > grid.State().rows || col < 1 || col > grid.State().cols)
    return "there is no " + CellName(row, col) + " in the grid";
  if (grid.SendMessage(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(col)) <= 0)
    return "column " + std::to_string(col) + " of the grid is not shown";
  if (row < grid.State().topRow || row > grid.LastVisibleRow()) scroll(true, row);
  if (col < grid.State().leftCol || col > grid.LastVisibleColumn()) {
    int ordinal = 0;
    for (int c = 1; c <= col; ++c)
      if (grid.SendMessage(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(c)) > 0) ++ordinal;
    scroll(false, ordinal);
  }
  if (!Shows(grid, row, col)) return CellName(row, col) + " cannot be shown";
  const GridRect rect = grid.CellRect(row, col);
  *x = (rect.left + rect.right) / 2;
  *y = (rect.top + rect.bottom) / 2;
  return {};
}
