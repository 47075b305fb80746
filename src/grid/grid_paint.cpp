// Painting through a GridPainter: title band, headings, cells, the edit in
// progress and the cursor frame. Only what meets the dirty rectangle is drawn.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_engine.h"

namespace {

constexpr GridColor kBlack = GridRgb(0, 0, 0);
constexpr GridColor kWhite = GridRgb(255, 255, 255);
constexpr GridColor kMarkerBlue = GridRgb(0, 0, 255);
constexpr int kCheckBoxHeight = 16;
constexpr int kCheckBoxCentredAbove = 24;
constexpr int kCellTextMargin = 2;

// " A" to " Z", then "AA" to "IV".
std::string ColumnLetters(int col) {
  const char first = col <= 26 ? ' ' : static_cast<char>('A' + (col - 1) / 26 - 1);
  const char second = col % 26 == 0 ? 'Z' : static_cast<char>('A' + col % 26 - 1);
  return {first, second};
}

int OwnerDrawItem(std::string_view text) {
  if (!text.empty() && text.front() == '~') text.remove_prefix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int item = 0;
  std::from_chars(text.data(), text.data() + text.size(), item);
  return item;
}

GridRect Intersect(const GridRect& a, const GridRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

void FillGrayPart(GridPainter& painter, const GridRect& area, const GridRect& dirty) {
  if (!area.Empty() && area.Intersects(dirty)) painter.FillGray(area);
}

}  // namespace

void GridEngine::Paint(GridPainter& painter) {
  Paint(painter, {0, 0, state_.clientWidth, state_.clientHeight});
}

void GridEngine::Paint(GridPainter& painter, const GridRect& dirtyArea) {
  UpdateScrollBars();
  state_.rightCol = LastVisibleColumn();
  state_.bottomRow = LastVisibleRow();
  const GridState& s = state_;
  const GridRect dirty = Intersect(dirtyArea, {0, 0, s.clientWidth, s.clientHeight});
  if (dirty.Empty()) return;

  PaintTitle(painter, dirty);

  // Rows shown that meet the dirty rectangle, found by arithmetic alone.
  const int dataTop = s.titleHeight + s.headerRowHeight;
  int firstRow = s.topRow;
  int lastRow = s.bottomRow;
  if (dirty.top > dataTop) firstRow = std::max(firstRow, s.topRow + (dirty.top - dataTop) / s.rowHeight);
  lastRow = dirty.bottom <= dataTop ? 0 : std::min(lastRow, s.topRow + (dirty.bottom - 1 - dataTop) / s.rowHeight);

  // Markers of a row sit in its column 0 text; read them once per row.
  std::vector<RowMarks> marks;
  for (int row = firstRow; row <= lastRow; ++row) marks.push_back(MarksOf(row));

  const int lastCol = s.rightCol;
  const GridRect headingBand{0, s.titleHeight, s.clientWidth, dataTop};
  int usedRight = 0;
  auto paintColumn = [&](int col, int left) {
    GridRect heading{left, s.titleHeight, left + ColumnWidth(col), dataTop};
    if (col > 0 && col == lastCol && s.extendLastCol) heading.right = std::max(heading.right, s.clientWidth);
    usedRight = heading.right;
    if (heading.right <= dirty.left || heading.left >= dirty.right) return;
    if (headingBand.Intersects(dirty)) PaintHeading(painter, col, heading);
    GridRect cell{heading.left, dataTop + (firstRow - s.topRow) * s.rowHeight, heading.right, 0};
    for (int row = firstRow; row <= lastRow; ++row, cell.top += s.rowHeight) {
      cell.bottom = cell.top + s.rowHeight;
      PaintCell(painter, row, col, cell, marks[static_cast<std::size_t>(row - firstRow)]);
    }
  };
  if (ColumnWidth(0) > 0) paintColumn(0, 0);
  int left = ColumnWidth(0);
  for (int col = s.leftCol; col <= lastCol; ++col) {
    if (ColumnWidth(col) == 0) continue;
    paintColumn(col, left);
    left += ColumnWidth(col);
  }

  const int rowsBottom = s.bottomRow >= s.topRow ? dataTop + (s.bottomRow - s.topRow + 1) * s.rowHeight : dataTop;
  FillGrayPart(painter, {usedRight, s.titleHeight, s.clientWidth, s.clientHeight}, dirty);
  FillGrayPart(painter, {0, rowsBottom, usedRight, s.clientHeight}, dirty);

  PaintEdit(painter, dirty);
  PaintCursorFrame(painter, dirty);
  UpdateCaret();
}

GridEngine::RowMarks GridEngine::MarksOf(int row) const {
  RowMarks mark;
  if (const std::optional<StoredCell> head = cells_.Find(row, 0); head && !head->text.empty()) {
    mark.blue = head->text.front() == '^';
    mark.heading = head->text.front() == '*';
  }
  return mark;
}

// A number cut by an ellipsis would show a wrong amount: too wide for its cell,
// it shows as hashes, as spreadsheets do, and its tooltip gives it whole.
bool GridEngine::NumberFits(std::string_view text, const GridFont& font, int width) const {
  return host_.MeasureText(font, text).width <= width;
}

std::string GridEngine::ToolTipAt(int x, int y) const {
  const GridState& s = state_;
  if (x < 0 || y < 0 || x >= s.clientWidth || y >= s.clientHeight) return {};
  const int row = RowAt(y);
  const int col = ColumnAt(x);
  if (row < 1 || col < 1) return {};
  const std::optional<StoredCell> cell = cells_.Find(row, col);
  if (!cell || CellTypeNumber(cell->type) != kCellNumber) return {};
  std::string_view text = cell->text;
  if (!text.empty() && text.front() == '^') text.remove_prefix(1);
  const GridFont& font = MarksOf(row).heading ? s.headingFont : s.cellFont;
  const int width = CellRectIn(row, col, LastVisibleColumn()).Width() - 2 * kCellTextMargin;
  return NumberFits(text, font, width) ? std::string() : std::string(text);
}

void GridEngine::PaintTitle(GridPainter& painter, const GridRect& dirty) {
  const GridRect band{0, 0, state_.clientWidth, state_.titleHeight};
  if (band.Empty() || !band.Intersects(dirty)) return;
  painter.EtchedBox(band);
  painter.DrawText(band, state_.title,
                   {state_.titleFont, kBlack, kTextCenter | kTextWordBreak | kTextEndEllipsis});
}

void GridEngine::PaintHeading(GridPainter& painter, int col, const GridRect& rect) {
  std::string text;
  // Column 0 never takes letters: its heading is the cell (0, 0) text.
  if (col >= 1 && state_.colsLettered) {
    text = ColumnLetters(col);
  } else if (const std::optional<StoredCell> cell = cells_.Find(0, col)) {
    text = cell->text;
  }
  painter.EtchedBox(rect);
  painter.DrawText(rect, text,
                   {state_.headingFont, state_.textColor, kTextCenter | kTextWordBreak | kTextEndEllipsis});
}

void GridEngine::PaintCell(GridPainter& painter, int row, int col, const GridRect& rect, RowMarks marks) {
  const GridState& s = state_;
  const std::optional<StoredCell> cell = cells_.Find(row, col);
  // The text is only read before anything calls out to the parent.
  std::string_view text = cell ? cell->text : std::string_view();
  int type = cell ? CellTypeNumber(cell->type) : kCellText;
  char number[12];
  const bool highlighted = col != 0 && s.rowHighlight && row == s.cursorRow && col != s.cursorCol;
  const bool cellBlue = !text.empty() && text.front() == '^';
  if (cellBlue) text.remove_prefix(1);
  GridTextStyle style{marks.heading ? s.headingFont : s.cellFont,
                      highlighted ? s.highlightTextColor : marks.blue || cellBlue ? kMarkerBlue : kBlack, 0};

  if (col == 0) {
    painter.EtchedBox(rect);
    type = kCellNumber;
    if (s.rowsNumbered) {
      const auto end = std::to_chars(number, number + sizeof number, row).ptr;
      text = std::string_view(number, static_cast<std::size_t>(end - number));
    }
  } else {
    const bool isProtected = cell && cell->protection == 'P';
    const GridColor back = highlighted ? s.highlightColor : isProtected ? s.protectColor : s.unprotectColor;
    // The grid line is each cell's right and bottom pixel.
    painter.FillRect(rect, s.gridLineColor);
    painter.FillRect({rect.left, rect.top, rect.right - 1, rect.bottom - 1}, back);
  }
  if (text.empty() || text == "\t") return;

  const GridRect textRect{rect.left + kCellTextMargin, rect.top, rect.right - kCellTextMargin, rect.bottom};
  switch (type) {
    case kCellNumber:
      style.flags = kTextRight | kTextSingleLine | kTextVCenter | kTextEndEllipsis;
      if (col == 0 || NumberFits(text, style.font, textRect.Width())) {
        painter.DrawText(textRect, text, style);
      } else {
        const int hash = std::max(1, host_.MeasureText(style.font, "#").width);
        const auto count = static_cast<std::size_t>(std::max(1, textRect.Width() / hash));
        painter.DrawText(textRect, std::string(count, '#'), style);
      }
      break;
    case kCellTrue:
    case kCellFalse: {
      GridRect box = textRect;
      if (rect.Height() > kCheckBoxCentredAbove) {
        box.top = rect.top + (rect.Height() - kCheckBoxHeight) / 2;
        box.bottom = box.top + kCheckBoxHeight;
      }
      painter.CheckBox(box, type == kCellTrue);
      break;
    }
    case kCellOwnerDraw: {
      state_.ownerDrawItem = OwnerDrawItem(text);
      GridRect cellRect = rect;
      Notify(GN_OWNERDRAW, reinterpret_cast<std::intptr_t>(&cellRect));
      break;
    }
    default:
      style.flags = s.ellipsis ? kTextLeft | kTextSingleLine | kTextVCenter | kTextEndEllipsis
                               : kTextLeft | kTextWordBreak;
      painter.DrawText(textRect, text, style);
      break;
  }
}

void GridEngine::PaintEdit(GridPainter& painter, const GridRect& dirty) {
  if (!state_.editing || !CursorCellShown()) return;
  const GridRect box = CellRectIn(state_.cursorRow, state_.cursorCol, state_.rightCol).Inset(2, 2);
  if (!box.Intersects(dirty)) return;
  painter.FramedBox(box, kBlack, kWhite);
  const GridRect textRect{box.left + 2, box.top + 2, box.right - 5, box.bottom - 2};
  painter.DrawText(textRect, state_.editBuffer,
                   {state_.cellFont, kBlack, kTextRight | kTextSingleLine | kTextVCenter});
  state_.editDisplay = state_.editBuffer;
}

void GridEngine::PaintCursorFrame(GridPainter& painter, const GridRect& dirty) {
  const GridState& s = state_;
  if (!s.hasFocus || s.rows < 1 || s.cursorRow < s.topRow || s.cursorCol < s.leftCol) return;
  const GridRect rect = CellRectIn(s.cursorRow, s.cursorCol, s.rightCol);
  state_.lastCursorRect = rect;
  if (!rect.Empty() && rect.Intersects(dirty)) painter.CursorFrame(rect, s.cursorColor);
}
