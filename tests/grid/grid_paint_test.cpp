#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_view_fixture.h"

namespace {

using GridPaint = GridViewFixture;
constexpr GridColor kBlue = GridRgb(0, 0, 255), kBlack = GridRgb(0, 0, 0);
constexpr unsigned kOneLine = kTextSingleLine | kTextVCenter | kTextEndEllipsis;

GridRect Cell(int row, int col, int topRow = 1) {
  const int top = 21 + (row - topRow) * 19;
  return {col * 50, top, col * 50 + 50, top + 19};
}

TEST_F(GridPaint, AScrolledTallGridDrawsOnlyTheRowsInView) {
  Send(GM_SETDIMENSIONS, 32000, 8);
  Send(GM_SETCOLWIDTH, 0, 0);
  grid.Resize(800, 21 + 30 * 19);
  grid.ScrollVertical(GridScrollAction::ThumbTrack, 16000);
  RecordingGridPainter painter;
  grid.Paint(painter);
  // 30 rows of 8 columns, each a grid line and a background; 8 headings.
  EXPECT_EQ(painter.Of(PaintOp::Fill).size(), 30u * 8 * 2);
  EXPECT_EQ(painter.Of(PaintOp::Etched).size(), 8u);

  // A strip inside one cell repaints that cell alone.
  painter.calls.clear();
  const GridRect cell = Cell(16005, 2, 16000);
  grid.Paint(painter, {cell.left + 2, cell.top + 2, cell.left + 9, cell.top + 4});
  ASSERT_EQ(painter.calls.size(), 2u);
  EXPECT_EQ(painter.calls[0].rect, (GridRect{100, cell.top, 150, cell.bottom}));
}

TEST_F(GridPaint, CellsAreDrawnByType) {
  Set(1, 1, "Feed");
  Set(1, 2, "-12.50");
  Set(1, 3, "TRUE");
  Set(1, 4, "false");
  Set(1, 5, "\t");
  RecordingGridPainter painter;
  grid.Paint(painter);
  EXPECT_EQ(painter.Text("Feed").flags, kTextLeft | kOneLine);
  EXPECT_EQ(painter.Text("Feed").rect, Cell(1, 1).Inset(2, 0));
  EXPECT_EQ(painter.Text("-12.50").flags, kTextRight | kOneLine);
  const auto boxes = painter.Of(PaintOp::CheckBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(boxes[0].checked);
  EXPECT_FALSE(boxes[1].checked);
  EXPECT_EQ(painter.Text("\t").op, PaintOp::None);

  Send(GM_SETELLIPSIS, 0);
  Send(GM_SETROWHEIGHT, 30);  // tall enough to centre a 16-pixel check box
  painter.calls.clear();
  grid.Paint(painter);
  EXPECT_EQ(painter.Text("Feed").flags, kTextLeft | kTextWordBreak);
  EXPECT_EQ(painter.Of(PaintOp::CheckBox)[0].rect, (GridRect{152, 21 + 7, 198, 21 + 23}));
}

TEST_F(GridPaint, ANumberTooWideForItsCellShowsHashesAndTellsItselfOnHover) {
  // Off the cursor row. A 50-pixel cell keeps 46 pixels for its text: six characters of 7 pixels.
  Set(2, 0, "^");
  Set(2, 1, "$ 407407407.00");
  Set(2, 2, "$ 4074074.00");
  Set(2, 3, "407407");
  Set(2, 4, "Steer calves, spring");
  RecordingGridPainter painter;
  grid.Paint(painter);
  std::vector<PaintCall> hashes;
  for (const PaintCall& call : painter.Of(PaintOp::Text))
    if (call.text == "######") hashes.push_back(call);
  ASSERT_EQ(hashes.size(), 2u);
  EXPECT_EQ(hashes[0].rect, Cell(2, 1).Inset(2, 0));
  EXPECT_EQ(hashes[1].color, kBlue);  // the row's marker still holds
  EXPECT_EQ(painter.Text("407407").op, PaintOp::Text);
  EXPECT_EQ(painter.Text("Steer calves, spring").flags, kTextLeft | kOneLine);  // text keeps its ellipsis

  const auto tip = [&](int row, int col) {
    const GridRect r = Cell(row, col);
    return grid.ToolTipAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  };
  EXPECT_EQ(tip(2, 1), "$ 407407407.00");
  EXPECT_EQ(tip(2, 2), "$ 4074074.00");
  for (int col : {3, 4, 5}) EXPECT_EQ(tip(2, col), "") << col;
  EXPECT_EQ(grid.ToolTipAt(kWidth - 1, kHeight - 1), "");

  Send(GM_SETCOLWIDTH, 1, 120);
  painter.calls.clear();
  grid.Paint(painter);
  EXPECT_EQ(painter.Text("$ 407407407.00").flags, kTextRight | kOneLine);
  EXPECT_EQ(grid.ToolTipAt(60, 50), "");
}

TEST_F(GridPaint, RowAndCellMarkersChooseFontAndColour) {
  Set(1, 0, "*Totals");
  Set(1, 1, "Sum");
  Set(2, 0, "^");
  Set(2, 1, "Feed");
  Set(2, 2, "40");
  Set(3, 1, "^Blue");
  Set(3, 2, "Plain");
  Send(GM_SETCURSOR, 5, 1);
  RecordingGridPainter painter;
  grid.Paint(painter);
  EXPECT_EQ(painter.Text("Sum").font, (GridFont{18, 900}));
  EXPECT_EQ(painter.Text("1").font, (GridFont{18, 900}));
  for (const char* text : {"2", "Feed", "40", "Blue"}) EXPECT_EQ(painter.Text(text).color, kBlue) << text;
  EXPECT_EQ(painter.Text("Plain").color, kBlack);
  EXPECT_EQ(painter.Text("^Blue").op, PaintOp::None);
}

TEST_F(GridPaint, HeadingsAndTheHighlightedCursorRow) {
  Send(GM_SETDIMENSIONS, 20, 256);
  Send(GM_SETCOLWIDTH, 256, 50);
  Set(0, 0, "Item");
  Send(GM_SETCURSOR, 2, 2);
  RecordingGridPainter painter;
  grid.Paint(painter);
  EXPECT_EQ(painter.Text("Item").rect, (GridRect{0, 0, 50, 21}));
  EXPECT_EQ(painter.Text(" A").rect, (GridRect{50, 0, 100, 21}));
  std::vector<GridColor> backs;
  for (const auto& fill : painter.Of(PaintOp::Fill)) {
    if (fill.rect.top == Cell(2, 1).top && fill.rect.bottom == Cell(2, 1).bottom - 1) backs.push_back(fill.color);
  }
  const GridColor high = GridRgb(0, 0, 128), plain = GridRgb(255, 255, 255);
  EXPECT_EQ(backs, (std::vector<GridColor>{high, plain, high, high, high}));

  for (const auto& [col, letters] : std::vector<std::pair<int, std::string>>{{26, " Z"}, {27, "AA"}, {53, "BA"}, {256, "IV"}}) {
    Send(GM_SETTOPLEFT, 0, 1 | (col << 16));
    painter.calls.clear();
    grid.Paint(painter);
    EXPECT_EQ(painter.Text(letters).rect.left, 50) << col;
  }
}

TEST_F(GridPaint, TheEditAndTheCursorFrameComeLast) {
  grid.FocusIn();
  Send(GM_SETCURSOR, 2, 3);
  Type("12");
  RecordingGridPainter painter;
  grid.Paint(painter);
  const auto& calls = painter.calls;
  ASSERT_GE(calls.size(), 3u);
  const GridRect box = Cell(2, 3).Inset(2, 2);
  EXPECT_EQ(calls[calls.size() - 3].op, PaintOp::Framed);
  EXPECT_EQ(calls[calls.size() - 3].rect, box);
  EXPECT_EQ(calls[calls.size() - 2].text, "12");
  EXPECT_EQ(calls[calls.size() - 2].rect, (GridRect{box.left + 2, box.top + 2, box.right - 5, box.bottom - 2}));
  EXPECT_EQ(calls.back().op, PaintOp::Cursor);
  EXPECT_EQ(calls.back().rect, Cell(2, 3));

  grid.FocusOut();
  painter.calls.clear();
  grid.Paint(painter);
  EXPECT_TRUE(painter.Of(PaintOp::Cursor).empty());
  EXPECT_TRUE(painter.Of(PaintOp::Framed).empty());
}

TEST_F(GridPaint, OwnerDrawnCellsAskTheParentWithTheirRectangle) {
  Set(2, 3, "~7");
  GridRect asked;
  host.onNotify = [&](int code) {
    if (code == GN_OWNERDRAW) asked = *reinterpret_cast<const GridRect*>(host.notifications.back().lParam);
  };
  RecordingGridPainter painter;
  grid.Paint(painter);
  EXPECT_EQ(asked, Cell(2, 3));
  EXPECT_EQ(Send(GM_GETOWNERDRAWITEM), 7);
}

TEST_F(GridPaint, GrayFillsRightOfTheLastColumnUnlessItIsExtended) {
  Send(GM_SETDIMENSIONS, 3, 2);
  Send(GM_EXTENDLASTCOLUMN, 0);
  RecordingGridPainter painter;
  grid.Paint(painter);
  const auto gray = painter.Of(PaintOp::Gray);
  ASSERT_EQ(gray.size(), 2u);
  EXPECT_EQ(gray[0].rect, (GridRect{150, 0, kWidth, kHeight}));
  EXPECT_EQ(gray[1].rect, (GridRect{0, Cell(4, 0).top, 150, kHeight}));
}

}  // namespace
