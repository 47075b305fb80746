// The navigation keys: every movement first stores an edit in progress.

#include <algorithm>

#include "grid/grid_engine.h"

namespace {

bool IsFunctionKey(GridKey key) {
  return static_cast<int>(key) >= static_cast<int>(GridKey::F1) &&
         static_cast<int>(key) <= static_cast<int>(GridKey::F12);
}

}  // namespace

void GridEngine::AfterCursorMove() {
  RefreshCursorProtection();
  EnsureCursorVisible();
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::MoveToRow(int row) {
  state_.cursorRow = row;
  AfterCursorMove();
  NotifyCursor(GN_ROWCHANGED);
  NotifyCursor(GN_SELCHANGE);
}

void GridEngine::MoveToColumn(int col) {
  state_.cursorCol = col;
  AfterCursorMove();
  NotifyCursor(GN_COLCHANGED);
  NotifyCursor(GN_SELCHANGE);
}

bool GridEngine::WantsKey(GridKey key) const { return key != GridKey::Escape || state_.editing; }

void GridEngine::KeyDown(GridKey key, bool shift) {
  if (key == GridKey::Tab && shift) key = GridKey::ShiftTab;
  if (key == GridKey::CtrlTab && shift) key = GridKey::CtrlShiftTab;
  if (IsFunctionKey(key)) {
    NotifyCursor(GN_F1 + (static_cast<int>(key) - static_cast<int>(GridKey::F1)));
    if (key == GridKey::F2) EditCellText();
    return;
  }
  switch (key) {
    case GridKey::Escape: CancelEdit(); return;
    case GridKey::Delete:
      NotifyCursor(GN_DELETEKEY);
      EmptyCell();
      return;
    case GridKey::Backspace: Char(U'\b'); return;
    // Losing the focus stores an edit in progress.
    case GridKey::CtrlTab:
    case GridKey::CtrlShiftTab: host_.MoveFocus(key == GridKey::CtrlTab); return;
    case GridKey::Other: return;
    default: break;
  }

  // Storing may call the parent, which may change the grid; read it afresh.
  StoreEdit();
  const GridState& s = state_;
  const bool rowsToGo = s.rows > 0 && s.cursorRow < s.rows;
  const bool rowsBehind = s.rows > 0 && s.cursorRow > 1;
  switch (key) {
    case GridKey::Down:
      if (rowsToGo) MoveToRow(s.cursorRow + 1);
      break;
    case GridKey::Up:
      if (rowsBehind) MoveToRow(s.cursorRow - 1);
      break;
    case GridKey::PageDown:
      if (rowsToGo) MoveToRow(std::min(s.rows, s.cursorRow + RowsPerPage()));
      break;
    case GridKey::PageUp:
      if (rowsBehind) MoveToRow(std::max(1, s.cursorRow - RowsPerPage()));
      break;
    case GridKey::Enter: {
      if (rowsToGo) MoveToRow(s.cursorRow + 1);
      const int first = NextVisibleColumn(0, 1);
      if (first != 0) MoveToColumn(first);
      break;
    }
    case GridKey::Right:
    case GridKey::Tab: {
      int next = NextVisibleColumn(s.cursorCol, 1);
      if (next == 2) {
        const std::optional<StoredCell> cell = cells_.Find(s.cursorRow, 2);
        if (cell && cell->text == "\t") next = NextVisibleColumn(2, 1);
      }
      if (next != 0) MoveToColumn(next);
      break;
    }
    case GridKey::Left:
    case GridKey::ShiftTab: {
      const int next = NextVisibleColumn(s.cursorCol, -1);
      if (next != 0) MoveToColumn(next);
      break;
    }
    default: break;
  }
}
