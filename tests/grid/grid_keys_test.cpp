#include <gtest/gtest.h>

#include <vector>

#include "grid_view_fixture.h"

namespace {

using GridKeys = GridViewFixture;
constexpr int R = GN_ROWCHANGED, C = GN_COLCHANGED, S = GN_SELCHANGE;

TEST_F(GridKeys, NavigationTable) {
  // Column 4 is hidden; a page is ten rows; row 3 holds a lone tab in column 2.
  Send(GM_SETCOLWIDTH, 4, 0);
  Set(3, 2, "\t");
  Set(4, 2, "\t ");
  struct Move {
    int row, col;
    GridKey key;
    bool shift;
    int wantRow, wantCol;
    std::vector<Note> notes;
  };
  const std::vector<Move> moves = {
      {1, 1, GridKey::Down, false, 2, 1, {{R, 2, 1}, {S, 2, 1}}},
      {20, 1, GridKey::Down, false, 20, 1, {}},
      {5, 3, GridKey::Up, false, 4, 3, {{R, 4, 3}, {S, 4, 3}}},
      {1, 1, GridKey::Up, false, 1, 1, {}},
      {1, 1, GridKey::PageDown, false, 11, 1, {{R, 11, 1}, {S, 11, 1}}},
      {15, 1, GridKey::PageDown, false, 20, 1, {{R, 20, 1}, {S, 20, 1}}},
      {20, 2, GridKey::PageDown, false, 20, 2, {}},
      {4, 1, GridKey::PageUp, false, 1, 1, {{R, 1, 1}, {S, 1, 1}}},
      {3, 5, GridKey::Enter, false, 4, 1, {{R, 4, 5}, {S, 4, 5}, {C, 4, 1}, {S, 4, 1}}},
      // On the last row Enter still goes to, and tells of, the first column.
      {20, 5, GridKey::Enter, false, 20, 1, {{C, 20, 1}, {S, 20, 1}}},
      {20, 1, GridKey::Enter, false, 20, 1, {{C, 20, 1}, {S, 20, 1}}},
      {2, 3, GridKey::Right, false, 2, 5, {{C, 2, 5}, {S, 2, 5}}},
      {2, 3, GridKey::Tab, false, 2, 5, {{C, 2, 5}, {S, 2, 5}}},
      {2, 6, GridKey::Right, false, 2, 6, {}},
      {3, 1, GridKey::Right, false, 3, 3, {{C, 3, 3}, {S, 3, 3}}},
      {4, 1, GridKey::Right, false, 4, 2, {{C, 4, 2}, {S, 4, 2}}},
      {3, 3, GridKey::Left, false, 3, 2, {{C, 3, 2}, {S, 3, 2}}},
      {2, 5, GridKey::ShiftTab, false, 2, 3, {{C, 2, 3}, {S, 2, 3}}},
      {2, 5, GridKey::Tab, true, 2, 3, {{C, 2, 3}, {S, 2, 3}}},
      {2, 1, GridKey::Left, false, 2, 1, {}},
      {2, 2, GridKey::Delete, false, 2, 2, {{GN_DELETEKEY, 2, 2}}},
      {2, 2, GridKey::F1, false, 2, 2, {{GN_F1, 2, 2}}},
      {2, 2, GridKey::F12, false, 2, 2, {{GN_F12, 2, 2}}},
      {2, 2, GridKey::Escape, false, 2, 2, {}},
  };
  for (const auto& m : moves) {
    Send(GM_SETCURSOR, static_cast<std::uintptr_t>(m.row), m.col);
    grid.KeyDown(m.key, m.shift);
    SCOPED_TRACE(::testing::Message() << m.row << "," << m.col << " key " << static_cast<int>(m.key));
    EXPECT_EQ(Cursor(), std::make_pair(m.wantRow, m.wantCol));
    EXPECT_EQ(Notes(), m.notes);
  }
}

}  // namespace
