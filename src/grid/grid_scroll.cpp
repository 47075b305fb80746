// Scroll bars as state, the scroll messages, and keeping the cursor in view.

#include <algorithm>
#include <cstdint>

#include "grid/grid_engine.h"

namespace {

int ClampInt(std::int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, std::max(low, high)));
}

}  // namespace

GridScrollBar GridEngine::VerticalScrollBar() const {
  return {state_.vScrollShown, 1, state_.vScrollMax, state_.vScrollPos, RowsPerPage()};
}

GridScrollBar GridEngine::HorizontalScrollBar() const {
  return {state_.hScrollShown, 1, state_.hScrollMax, state_.hScrollPos, 1};
}

void GridEngine::ScrollBarsMayHaveChanged(const GridScrollBar& vertical, const GridScrollBar& horizontal) {
  if (!(VerticalScrollBar() == vertical) || !(HorizontalScrollBar() == horizontal)) {
    host_.ScrollBarsChanged();
  }
}

void GridEngine::UpdateScrollBars() {
  UpdateVerticalScrollBar();
  UpdateHorizontalScrollBar();
}

void GridEngine::UpdateVerticalScrollBar() {
  const GridScrollBar vertical = VerticalScrollBar(), horizontal = HorizontalScrollBar();
  GridState& s = state_;
  const std::int64_t needed =
      static_cast<std::int64_t>(s.titleHeight) + s.headerRowHeight + static_cast<std::int64_t>(s.rows) * s.rowHeight;
  if (needed <= s.clientHeight) {
    s.topRow = 1;
    s.vScrollShown = false;
    s.vScrollMax = 1;
  } else {
    s.vScrollShown = true;
    s.vScrollMax = std::max(1, s.rows - RowsPerPage() + 1);
  }
  s.vScrollPos = ClampInt(s.topRow, 1, s.vScrollMax);
  ScrollBarsMayHaveChanged(vertical, horizontal);
}

void GridEngine::UpdateHorizontalScrollBar() {
  const GridScrollBar vertical = VerticalScrollBar(), horizontal = HorizontalScrollBar();
  GridState& s = state_;
  int visible = 0;
  std::int64_t needed = s.colWidths[0];
  for (int col = 1; col <= s.cols; ++col) {
    const int width = ColumnWidth(col);
    needed += width;
    if (width > 0) ++visible;
  }
  s.visibleCols = visible;
  s.hScrollShown = !(needed <= s.clientWidth && s.leftCol == 1);
  s.hScrollMax = std::max(1, visible);
  SetScrollPositions();
  ScrollBarsMayHaveChanged(vertical, horizontal);
}

// The horizontal position counts visible columns, not column numbers.
void GridEngine::SetScrollPositions() {
  const GridScrollBar vertical = VerticalScrollBar(), horizontal = HorizontalScrollBar();
  GridState& s = state_;
  s.vScrollPos = ClampInt(s.topRow, 1, s.vScrollMax);
  int ordinal = 1;
  for (int col = 1; col < s.leftCol && col <= s.cols; ++col) {
    if (ColumnWidth(col) > 0) ++ordinal;
  }
  s.hScrollPos = ClampInt(ordinal, 1, s.hScrollMax);
  ScrollBarsMayHaveChanged(vertical, horizontal);
}

void GridEngine::ScrollVertical(GridScrollAction action, int thumbPos) {
  if (!state_.hasFocus) host_.TakeFocus();
  UpdateVerticalScrollBar();
  const std::int64_t top = state_.topRow;
  const int page = RowsPerPage();
  std::int64_t next = top;
  switch (action) {
    case GridScrollAction::LineBack: next = top - 1; break;
    case GridScrollAction::LineForward: next = top + 1; break;
    case GridScrollAction::PageBack: next = top - page; break;
    case GridScrollAction::PageForward: next = top + page; break;
    case GridScrollAction::ThumbTrack: next = thumbPos; break;
    case GridScrollAction::Other: return;
  }
  state_.topRow = ClampInt(next, 1, state_.vScrollMax);
  SetScrollPositions();
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::ScrollHorizontal(GridScrollAction action, int thumbPos) {
  if (!state_.hasFocus) host_.TakeFocus();
  UpdateHorizontalScrollBar();
  if (!state_.hScrollShown) return;
  std::int64_t pos = state_.hScrollPos;
  switch (action) {
    case GridScrollAction::LineBack:
    case GridScrollAction::PageBack: --pos; break;
    case GridScrollAction::LineForward:
    case GridScrollAction::PageForward: ++pos; break;
    case GridScrollAction::ThumbTrack: pos = thumbPos; break;
    case GridScrollAction::Other: return;
  }
  const int ordinal = ClampInt(pos, 1, state_.hScrollMax);
  int seen = 0;
  for (int col = 1; col <= state_.cols; ++col) {
    if (ColumnWidth(col) > 0 && ++seen == ordinal) {
      state_.leftCol = col;
      break;
    }
  }
  UpdateHorizontalScrollBar();
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::EnsureCursorVisible() {
  GridState& s = state_;
  if (s.cursorRow < s.topRow) s.topRow = std::max(1, s.cursorRow);
  if (s.clientHeight > 0) {
    // A row taller than the view goes to the top rather than out of sight.
    const int dataArea = s.clientHeight - s.titleHeight - s.headerRowHeight;
    const int rowsThatFit = std::max(1, dataArea / s.rowHeight);
    s.topRow = std::max(s.topRow, s.cursorRow - rowsThatFit + 1);
  }

  if (s.cursorCol < s.leftCol) s.leftCol = std::max(1, s.cursorCol);
  if (s.clientWidth > 0) {
    const int cursorCol = std::min(s.cursorCol, kGridMaxCols);
    std::int64_t right = s.colWidths[0];
    for (int col = s.leftCol; col <= cursorCol; ++col) right += ColumnWidth(col);
    while (right > s.clientWidth && s.leftCol < cursorCol) {
      right -= ColumnWidth(s.leftCol);
      ++s.leftCol;
    }
  }
  SetScrollPositions();
}
