// Clicks that move the cursor, double clicks, the context menu, and dragging
// column borders in the heading row.

#include <cstdint>

#include "grid/grid_engine.h"

namespace {

// How far from a border the pointer may be and still grab it.
constexpr int kBorderReach = 10;

}  // namespace

GridCursorShape GridEngine::CursorShape() const {
  return state_.sizeCursorShown ? GridCursorShape::SizeHorizontal : GridCursorShape::Arrow;
}

void GridEngine::ShowCursorShape(GridCursorShape shape) {
  if (shape == CursorShape()) return;
  state_.sizeCursorShown = shape == GridCursorShape::SizeHorizontal;
  host_.SetCursorShape(shape);
}

// The column whose right border is near x; -1 when none. A "*" in cell (0, 0)
// locks the heading column's border.
int GridEngine::BorderColumn(int x) const {
  const int col = ColumnAt(x);
  int border = -1;
  if (ColumnAt(x + kBorderReach) != col) {
    border = col;
  } else if (ColumnAt(x - kBorderReach) != col) {
    border = ColumnAt(x - kBorderReach);
  }
  if (border == 0) {
    const std::optional<StoredCell> corner = cells_.Find(0, 0);
    if (corner && !corner->text.empty() && corner->text.front() == '*') return -1;
  }
  return border;
}

void GridEngine::MouseDown(int x, int y, GridMouseButton button) {
  if (button == GridMouseButton::Left && state_.colResizeAllowed && RowAt(y) == 0) {
    const int col = BorderColumn(x);
    if (col >= 0) {
      state_.resizing = true;
      state_.resizeCol = col;
      state_.resizeStartWidth = ColumnWidth(col);
      state_.resizeStartX = x;
      state_.savedIntegralRows = state_.integralRows;
      state_.integralRows = false;
    }
  }
  if (state_.editing) {
    StoreEdit();
  } else if (!state_.hasFocus) {
    host_.TakeFocus();
  }
  if (!state_.hasFocus) return;

  // Hit-tested after storing: the parent may have refilled the grid.
  const int row = RowAt(y);
  const int col = ColumnAt(x);
  if (row >= 1 && col >= 1) {
    const int oldRow = state_.cursorRow, oldCol = state_.cursorCol;
    state_.cursorRow = row;
    state_.cursorCol = col;
    AfterCursorMove();
    NotifyCursor(GN_CELLCLICKED);
    if (row != oldRow) {
      NotifyCursor(GN_ROWCHANGED);
      NotifyCursor(GN_SELCHANGE);
    }
    if (col != oldCol) {
      NotifyCursor(GN_COLCHANGED);
      NotifyCursor(GN_SELCHANGE);
    }
  }
  host_.Invalidate();
}

void GridEngine::MouseMove(int x, int y) {
  if (state_.resizing) {
    const std::int64_t width = static_cast<std::int64_t>(state_.resizeStartWidth) + x - state_.resizeStartX;
    SendMessage(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(state_.resizeCol),
                static_cast<std::intptr_t>(width < 1 ? 0 : width));
    return;
  }
  const bool grab = state_.colResizeAllowed && RowAt(y) == 0 && BorderColumn(x) >= 0;
  ShowCursorShape(grab ? GridCursorShape::SizeHorizontal : GridCursorShape::Arrow);
}

void GridEngine::MouseUp(int, int) {
  if (!state_.resizing) return;
  state_.resizing = false;
  ShowCursorShape(GridCursorShape::Arrow);
  state_.integralRows = state_.savedIntegralRows;
  HandleSize(state_.clientWidth, state_.clientHeight);
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::DoubleClick(int, int) { NotifyCursor(GN_DBLCLICK); }

void GridEngine::ContextMenu() { NotifyCursor(GN_CONTEXTMENU); }
