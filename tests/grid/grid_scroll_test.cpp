#include <gtest/gtest.h>

#include <vector>

#include "grid_view_fixture.h"

namespace {

using GridScroll = GridViewFixture;

TEST_F(GridScroll, HitTestsFollowTheLayout) {
  grid.SetTitle("Herd");  // 24 pixels: the heading row is 24..44, row 1 starts at 45
  Send(GM_SETCOLWIDTH, 2, 0);
  struct Probe {
    int at, want;
  };
  for (const auto& p : std::vector<Probe>{{23, -1}, {24, 0}, {45, 1}, {424, 20}, {425, -1}}) {
    EXPECT_EQ(grid.RowAt(p.at), p.want) << "y " << p.at;
  }
  // A border belongs to the column on its left; column 2 is hidden; beyond
  // the last column the extended last column answers.
  for (const auto& p : std::vector<Probe>{{50, 0}, {51, 1}, {100, 1}, {101, 3}, {900, 6}}) {
    EXPECT_EQ(grid.ColumnAt(p.at), p.want) << "x " << p.at;
  }
  Send(GM_EXTENDLASTCOLUMN, 0);
  EXPECT_EQ(grid.ColumnAt(900), -1);
}

TEST_F(GridScroll, ScrollBarsMoveTheViewWithinTheirRange) {
  // 20 rows with ten to a page: the top row runs from 1 to 11.
  EXPECT_EQ(grid.VerticalScrollBar(), (GridScrollBar{true, 1, 11, 1, 10}));
  struct Case {
    GridScrollAction action;
    int thumb, from, want;
  };
  using A = GridScrollAction;
  for (const auto& c : std::vector<Case>{{A::LineForward, 0, 1, 2}, {A::LineBack, 0, 1, 1}, {A::PageForward, 0, 5, 11},
                                         {A::PageBack, 0, 8, 1}, {A::ThumbTrack, 99, 1, 11}}) {
    Send(GM_SETTOPLEFT, 0, c.from | (1 << 16));
    grid.ScrollVertical(c.action, c.thumb);
    EXPECT_EQ(grid.State().topRow, c.want) << static_cast<int>(c.action) << " from " << c.from;
  }
  EXPECT_TRUE(grid.State().hasFocus);

  // Horizontal positions count shown columns: with column 2 hidden, 2 is column 3.
  Send(GM_SETDIMENSIONS, 20, 8);
  Send(GM_SETCOLWIDTH, 2, 0);
  for (const auto& c : std::vector<Case>{{A::LineForward, 0, 1, 3}, {A::PageBack, 0, 3, 1}, {A::ThumbTrack, 5, 1, 6},
                                         {A::ThumbTrack, 9, 1, 8}}) {
    Send(GM_SETTOPLEFT, 0, 1 | (c.from << 16));
    grid.ScrollHorizontal(c.action, c.thumb);
    EXPECT_EQ(grid.State().leftCol, c.want) << static_cast<int>(c.action) << " from " << c.from;
  }

  Send(GM_SETTOPLEFT, 0, 4 | (1 << 16));
  Send(GM_SETDIMENSIONS, 10, 5);  // now everything fits
  EXPECT_FALSE(grid.VerticalScrollBar().shown);
  EXPECT_FALSE(grid.HorizontalScrollBar().shown);
  EXPECT_EQ(grid.State().topRow, 1);
}

}  // namespace
