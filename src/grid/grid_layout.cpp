// Title, fonts, sizes and the messages that move the view or change its geometry.

#include <algorithm>
#include <cstdint>
#include <string>

#include "text/utf8_text.h"
#include "grid/grid_engine.h"

namespace {

// Pixel settings are capped so that sums over all rows or columns stay in an int.
constexpr int kMaxPixels = 32767;
constexpr std::size_t kTitleMaxChars = 300;
constexpr int kDefaultTypedChars = 32;
constexpr std::string_view kTitleTooLong = "Title too long (300 chars max)";

int Clamp(std::intptr_t value, int low, int high) {
  if (value < low) return low;
  if (value > high) return high;
  return static_cast<int>(value);
}

struct TextBlock {
  std::int64_t widest = 0;
  std::int64_t lineHeight = 0;
  int lines = 0;
};

TextBlock MeasureLines(GridHost& host, const GridFont& font, std::string_view text) {
  TextBlock block;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const TextExtent extent = host.MeasureText(font, line);
    block.widest = std::max<std::int64_t>(block.widest, extent.width);
    block.lineHeight = std::max<std::int64_t>(block.lineHeight, extent.height);
    ++block.lines;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return block;
}

}  // namespace

void GridEngine::SetTitle(std::string_view text) {
  state_.title = CountChars(text) > kTitleMaxChars ? std::string(kTitleTooLong) : std::string(text);
  if (state_.title.empty()) {
    state_.titleHeight = 0;
  } else {
    const TextBlock block = MeasureLines(host_, state_.titleFont, state_.title);
    const double height = static_cast<double>(block.lineHeight) * 1.2 * block.lines;
    state_.titleHeight = height > kMaxPixels ? kMaxPixels : static_cast<int>(height);
  }
  host_.Invalidate();
  ReapplyLastSize();
}

void GridEngine::SetCellFont(const GridFont& font) {
  state_.cellFont = font;
  host_.Invalidate();
}

void GridEngine::SetEnabled(bool enabled) {
  state_.enabled = enabled;
  state_.textColor = enabled ? GridRgb(0, 0, 0) : GridRgb(120, 120, 120);
  host_.Invalidate();
}

void GridEngine::Resize(int clientWidth, int clientHeight) {
  state_.clientWidth = std::max(0, clientWidth);
  state_.clientHeight = std::max(0, clientHeight);
  HandleSize(state_.clientWidth, state_.clientHeight);
}

// The window's real client size comes only through Resize; a re-applied size
// runs the size logic without claiming the window has that size.
void GridEngine::HandleSize(int width, int height) {
  if (state_.sizeGuard) {
    state_.sizeGuard = false;
    return;
  }
  UpdateScrollBars();
  if (!state_.integralRows || !state_.vScrollShown) return;
  const int dataArea = height - state_.titleHeight - state_.headerRowHeight -
                       (state_.hScrollShown ? kGridScrollBarThickness : 0);
  if (dataArea > state_.rowHeight) {
    state_.sizeGuard = true;
    state_.lastSizeWidth = width;
    state_.lastSizeHeight = height;
  }
}

void GridEngine::ReapplyLastSize() {
  HandleSize(state_.lastSizeWidth, state_.lastSizeHeight);
  HandleSize(state_.lastSizeWidth, state_.lastSizeHeight);
}

void GridEngine::SetDimensions(std::intptr_t rows, std::intptr_t cols) {
  const int oldCols = state_.cols;
  state_.rows = Clamp(rows, 0, kGridMaxRows);
  state_.cols = Clamp(cols, 1, kGridMaxCols);
  // Rows and columns cut off are gone: a grid refilled with fewer (another
  // budget, a deleted line, another tab) must not keep the old cells out of sight.
  cells_.RemoveRowsAfter(state_.rows);
  if (state_.cols < oldCols) cells_.RemoveColumnsAfter(state_.cols);
  state_.cursorRow = Clamp(state_.cursorRow, 1, std::max(state_.rows, 1));
  state_.cursorCol = Clamp(state_.cursorCol, 1, state_.cols);
  RefreshCursorProtection();
  host_.Invalidate();
  // Both bars, as the repaint that follows would: a top row the new rows no
  // longer need is given up at once.
  UpdateScrollBars();
}

void GridEngine::SetCursor(std::intptr_t row, std::intptr_t col) {
  if (row < 1 || row > state_.rows || col < 1 || col > state_.cols) return;
  state_.cursorRow = static_cast<int>(row);
  state_.cursorCol = static_cast<int>(col);
  RefreshCursorProtection();
  EnsureCursorVisible();
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::SetColWidth(std::intptr_t col, std::intptr_t width) {
  if (col < 0 || col > kGridMaxCols || width < 0) return;
  state_.colWidths[static_cast<std::size_t>(col)] = Clamp(width, 0, kMaxPixels);
  host_.Invalidate();
  UpdateHorizontalScrollBar();
}

void GridEngine::SetColMaxChars(std::intptr_t col, std::intptr_t count) {
  if (col < 0 || col > kGridMaxCols) return;
  state_.colMaxChars[static_cast<std::size_t>(col)] =
      count <= 0 ? kDefaultTypedChars : Clamp(count, 1, kGridEditMaxChars);
}

void GridEngine::SetTopLeft(std::intptr_t packed) {
  state_.topRow = Clamp(packed & 0xFFFF, 1, kGridMaxRows);
  state_.leftCol = Clamp((packed >> 16) & 0xFFFF, 1, kGridMaxCols);
  SetScrollPositions();
  UpdateCaret();
  host_.Invalidate();
}

void GridEngine::SetRowHeight(std::intptr_t pixels) {
  state_.rowHeight = Clamp(pixels, 1, kMaxPixels);
  EnsureCursorVisible();
  ReapplyLastSize();
  host_.Invalidate();
}

void GridEngine::SetHeaderHeight(std::intptr_t pixels) {
  state_.headerRowHeight = Clamp(pixels, 0, kMaxPixels);
  ReapplyLastSize();
  host_.Invalidate();
}

void GridEngine::SetTitleHeight(std::intptr_t pixels) {
  state_.titleHeight = Clamp(pixels, 0, kMaxPixels);
  EnsureCursorVisible();
  host_.Invalidate();
}

void GridEngine::AfterStore(int row, int col) {
  if (state_.autoRow) {
    const int lastRow = cells_.LastRow();
    if (lastRow > state_.rows) {
      SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(lastRow), state_.cols);
    }
  }
  if (!state_.colAutoWidth) return;
  const std::optional<StoredCell> cell = cells_.Find(row, col);
  if (!cell) return;
  // A copy: measuring calls out to the host, which may send messages back.
  const std::string text(cell->text);
  const bool heading = row == 0;
  const TextBlock block = MeasureLines(host_, heading ? state_.headingFont : state_.cellFont, text);
  const int lines = !heading && state_.ellipsis ? 1 : block.lines;
  const int height = Clamp(block.lineHeight * lines + 5, 0, kMaxPixels);
  const int width = Clamp(block.widest + 5, 0, kMaxPixels);
  if (heading) {
    if (height > state_.headerRowHeight) SendMessage(GM_SETHEADERHEIGHT, static_cast<std::uintptr_t>(height));
  } else if (height > state_.rowHeight) {
    SendMessage(GM_SETROWHEIGHT, static_cast<std::uintptr_t>(height));
  }
  SendMessage(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(col), width);
}
