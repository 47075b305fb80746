#include <gtest/gtest.h>

#include <vector>

#include "grid_view_fixture.h"

namespace {

using GridMouse = GridViewFixture;
constexpr int K = GN_CELLCLICKED, R = GN_ROWCHANGED, C = GN_COLCHANGED, S = GN_SELCHANGE;

TEST_F(GridMouse, PressesMoveTheCursorToDataCellsOnly) {
  struct Press {
    int x, y, wantRow, wantCol;
    std::vector<Note> notes;
  };
  // Column 1 is hit from x 51 to 100; the cursor starts at (1, 1) each time.
  const std::vector<Press> presses = {
      {75, kRow1, 1, 1, {{K, 1, 1}}},
      {101, kRow1, 1, 2, {{K, 1, 2}, {C, 1, 2}, {S, 1, 2}}},
      {160, kRow1 + 9 * kRowHeight, 10, 3, {{K, 10, 3}, {R, 10, 3}, {S, 10, 3}, {C, 10, 3}, {S, 10, 3}}},
      {50, kRow1, 1, 1, {}},
      {120, kRow1 - 1, 1, 1, {}},
  };
  grid.FocusIn();
  for (const auto& p : presses) {
    Send(GM_SETCURSOR, 1, 1);
    Notes();
    grid.MouseDown(p.x, p.y, GridMouseButton::Left);
    EXPECT_EQ(Cursor(), std::make_pair(p.wantRow, p.wantCol)) << p.x << "," << p.y;
    EXPECT_EQ(Notes(), p.notes) << p.x << "," << p.y;
  }
}

TEST_F(GridMouse, HeadingBordersShowTheSizeCursorOnceResizingIsAllowed) {
  struct Point {
    int x, y;
    bool size;
  };
  const std::vector<Point> points = {{95, 10, true}, {105, 10, true}, {75, 10, false}, {45, 10, true}, {95, kRow1 + 3, false}};
  grid.MouseMove(95, 10);
  EXPECT_EQ(grid.CursorShape(), GridCursorShape::Arrow) << "resizing is not allowed yet";
  Send(GM_SETCOLRESIZE, 1);
  for (const auto& p : points) {
    grid.MouseMove(p.x, p.y);
    EXPECT_EQ(grid.CursorShape() == GridCursorShape::SizeHorizontal, p.size) << p.x << "," << p.y;
  }
  Set(0, 0, "*");  // locks the heading column's border only
  grid.MouseMove(45, 10);
  EXPECT_EQ(grid.CursorShape(), GridCursorShape::Arrow);
  grid.MouseMove(95, 10);
  EXPECT_EQ(grid.CursorShape(), GridCursorShape::SizeHorizontal);
}

TEST_F(GridMouse, DraggingABorderResizesAndANarrowColumnDisappears) {
  Send(GM_SETCOLRESIZE, 1);
  struct Drag {
    int pressX, toX, col, width;
  };
  // Presses near column 1's right edge (x 100) from either side, and near column 0's.
  for (const auto& d : std::vector<Drag>{{95, 125, 1, 80}, {105, 135, 1, 80}, {45, 15, 0, 20}, {95, 46, 1, 1}, {95, 20, 1, 0}}) {
    Send(GM_SETCOLWIDTH, 0, 50);
    Send(GM_SETCOLWIDTH, 1, 50);
    grid.MouseDown(d.pressX, 10, GridMouseButton::Left);
    EXPECT_FALSE(grid.State().integralRows);
    grid.MouseMove(d.toX, 10);
    grid.MouseUp(d.toX, 10);
    EXPECT_EQ(Send(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(d.col)), d.width) << d.pressX << "->" << d.toX;
    EXPECT_TRUE(grid.State().integralRows);
  }
  Send(GM_SETCURSOR, 2, 2);
  grid.KeyDown(GridKey::Left);
  grid.KeyDown(GridKey::Enter);
  EXPECT_EQ(Cursor(), std::make_pair(3, 2));
}

}  // namespace
