// Where rows and columns lie in the client area, and which cell a point hits.

#include <algorithm>
#include <cstdint>

#include "grid/grid_engine.h"

int GridEngine::ColumnWidth(int col) const {
  if (col < 0 || col > kGridMaxCols) return 0;
  return state_.colWidths[static_cast<std::size_t>(col)];
}

// Never 0, so paging always moves and the scroll range never passes the rows.
int GridEngine::RowsPerPage() const {
  const int area = state_.clientHeight - state_.headerRowHeight - state_.titleHeight;
  return std::max(1, area / state_.rowHeight);
}

int GridEngine::RowAt(int y) const {
  const GridState& s = state_;
  if (y < s.titleHeight) return -1;
  const std::int64_t dataTop = static_cast<std::int64_t>(s.titleHeight) + s.headerRowHeight;
  if (y < dataTop) return 0;
  const std::int64_t row = s.topRow + (y - dataTop) / s.rowHeight;
  return row > s.rows ? -1 : static_cast<int>(row);
}

int GridEngine::ColumnAt(int x) const {
  const GridState& s = state_;
  if (x <= s.colWidths[0]) return 0;
  std::int64_t rest = static_cast<std::int64_t>(x) - s.colWidths[0];
  int lastShown = -1;
  for (int col = s.leftCol; col <= s.cols; ++col) {
    const int width = ColumnWidth(col);
    if (width == 0) continue;
    lastShown = col;
    rest -= width;
    if (rest <= 0) return col;
  }
  // A hidden column is never hit, even when it is the last one.
  return s.extendLastCol ? lastShown : -1;
}

int GridEngine::NextVisibleColumn(int from, int direction) const {
  const int step = direction < 0 ? -1 : 1;
  int col = from + step;
  while (col >= 1 && col <= state_.cols && ColumnWidth(col) == 0) col += step;
  if (col < 1 || col > state_.cols || ColumnWidth(col) == 0) return 0;
  return col;
}

int GridEngine::LastVisibleColumn() const {
  const GridState& s = state_;
  std::int64_t x = s.colWidths[0];
  int last = 0;
  for (int col = s.leftCol; col <= s.cols && x < s.clientWidth; ++col) {
    const int width = ColumnWidth(col);
    if (width == 0) continue;
    last = col;
    x += width;
  }
  return last;
}

int GridEngine::LastVisibleRow() const {
  const GridState& s = state_;
  const int dataTop = s.titleHeight + s.headerRowHeight;
  if (s.topRow > s.rows || s.clientHeight <= dataTop) return 0;
  const int rowsBegun = (s.clientHeight - dataTop - 1) / s.rowHeight;
  return static_cast<int>(std::min<std::int64_t>(s.rows, static_cast<std::int64_t>(s.topRow) + rowsBegun));
}

int GridEngine::ColumnLeft(int col) const {
  if (col <= 0) return 0;
  std::int64_t x = state_.colWidths[0];
  if (col >= state_.leftCol) {
    for (int c = state_.leftCol; c < col; ++c) x += ColumnWidth(c);
  } else {
    for (int c = col; c < state_.leftCol; ++c) x -= ColumnWidth(c);
  }
  return static_cast<int>(x);
}

GridRect GridEngine::CellRectIn(int row, int col, int lastVisibleCol) const {
  const GridState& s = state_;
  GridRect rect;
  rect.left = ColumnLeft(col);
  rect.right = rect.left + ColumnWidth(col);
  if (col > 0 && col == lastVisibleCol && s.extendLastCol) rect.right = std::max(rect.right, s.clientWidth);
  if (row == 0) {
    rect.top = s.titleHeight;
    rect.bottom = s.titleHeight + s.headerRowHeight;
  } else {
    // Fits an int: 32000 rows of at most 32767 pixels plus two bands.
    rect.top = s.titleHeight + s.headerRowHeight + (row - s.topRow) * s.rowHeight;
    rect.bottom = rect.top + s.rowHeight;
  }
  return rect;
}

GridRect GridEngine::CellRect(int row, int col) const { return CellRectIn(row, col, LastVisibleColumn()); }

bool GridEngine::CursorCellShown() const {
  const GridState& s = state_;
  return s.rows >= 1 && s.cursorRow >= s.topRow && s.cursorRow <= LastVisibleRow() &&
         s.cursorCol >= s.leftCol && s.cursorCol <= LastVisibleColumn() && ColumnWidth(s.cursorCol) > 0;
}
