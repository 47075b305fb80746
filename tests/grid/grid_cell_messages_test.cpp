#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/utf8_text.h"
#include "grid_fixture.h"

namespace {

using GridCellMessages = GridFixture;

TEST_F(GridCellMessages, RefusesCellsOutsideTheGrid) {
  const std::vector<GridCell> outside = {{32001, 1}, {-1, 1}, {1, 257}, {1, -1}, {-32768, -9}};
  const std::vector<unsigned> messages = {GM_SETCELL,     GM_GETCELL,      GM_DELETECELL,
                                          GM_PROTECTCELL, GM_GETCELLTYPE, GM_GETPROTECTION};
  Set(1, 1, "kept");
  std::string buffer = "untouched";
  const char* text = "x";
  for (unsigned message : messages) {
    const std::intptr_t lParam = message == GM_SETCELL   ? reinterpret_cast<std::intptr_t>(text)
                                 : message == GM_GETCELL ? reinterpret_cast<std::intptr_t>(&buffer)
                                                         : 1;
    for (const GridCell& cell : outside) {
      host.notifications.clear();
      EXPECT_EQ(SendCell(message, cell.row, cell.col, lParam), -1)
          << message << " at " << cell.row << "," << cell.col;
      ASSERT_EQ(host.notifications.size(), 1u);
      EXPECT_EQ(host.notifications[0].controlId, kId);
      EXPECT_EQ(host.notifications[0].code, GN_OUTOFRANGE);
      EXPECT_EQ(host.notifications[0].lParam, 0);
    }
    host.notifications.clear();
    EXPECT_EQ(Send(message, 0, lParam), -1) << "null cell, message " << message;
    EXPECT_EQ(host.Codes(), std::vector<int>{GN_OUTOFRANGE});
  }
  EXPECT_EQ(buffer, "untouched");
  EXPECT_EQ(grid.Cells().Size(), 1u);
  EXPECT_EQ(Get(1, 1), "kept");
  EXPECT_EQ(grid.State().rows, 100);
}

TEST_F(GridCellMessages, AcceptsTheGridsCorners) {
  for (const GridCell& cell : std::vector<GridCell>{{32000, 1}, {1, 256}, {0, 0}, {32000, 256}}) {
    EXPECT_EQ(Set(cell.row, cell.col, "edge"), 0);
    EXPECT_EQ(Get(cell.row, cell.col), "edge");
  }
  EXPECT_TRUE(host.notifications.empty());
  EXPECT_EQ(grid.State().rows, 32000);
}

TEST_F(GridCellMessages, ReportsTypesAsNumbers) {
  const std::vector<std::pair<std::string, std::intptr_t>> cases = {
      {"true", kCellTrue}, {"FALSE", kCellFalse}, {"~7", kCellOwnerDraw},
      {"-12.50", kCellNumber}, {"N/A", kCellText}, {"", kCellText}};
  int row = 1;
  for (const auto& [text, type] : cases) {
    Set(row, 2, text);
    EXPECT_EQ(TypeOf(row, 2), type) << text;
    EXPECT_EQ(Get(row, 2), text);
    ++row;
  }
  EXPECT_EQ(TypeOf(50, 2), kCellNone);
}

TEST_F(GridCellMessages, ReadsIntoAStringAndEmptiesItForAMissingCell) {
  Set(4, 4, "Feeder steers");
  std::string text = "stale";
  EXPECT_EQ(GetGridCell(grid, 4, 4, &text), 0);
  EXPECT_EQ(text, "Feeder steers");
  EXPECT_EQ(GetGridCell(grid, 4, 5, &text), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(GetGridCell(grid, 4, 4, nullptr), 0);

  EXPECT_EQ(SendCell(GM_SETCELL, 2, 2, 0), 0);  // no text: an empty text cell
  EXPECT_EQ(TypeOf(2, 2), kCellText);
  EXPECT_EQ(Get(2, 2), "");
}

TEST_F(GridCellMessages, StampsTheDefaultProtectionOnEveryStore) {
  Send(GM_SETPROTECTDEFAULT, 1);
  Set(3, 1, "Hay");
  EXPECT_EQ(ProtectionOf(3, 1), 1);
  Send(GM_SETPROTECTDEFAULT, 0);
  Set(3, 1, "Hay");
  EXPECT_EQ(ProtectionOf(3, 1), 0);
  EXPECT_EQ(ProtectionOf(3, 2), 0);
}

TEST_F(GridCellMessages, ProtectsCellsWithOrWithoutText) {
  EXPECT_EQ(SendCell(GM_PROTECTCELL, 6, 3, 1), 0);
  EXPECT_EQ(ProtectionOf(6, 3), 1);
  EXPECT_EQ(TypeOf(6, 3), kCellText);
  EXPECT_EQ(Get(6, 3), "");

  Set(7, 3, "42");
  SendCell(GM_PROTECTCELL, 7, 3, 1);
  EXPECT_EQ(ProtectionOf(7, 3), 1);
  SendCell(GM_PROTECTCELL, 7, 3, 0);
  EXPECT_EQ(ProtectionOf(7, 3), 0);
  EXPECT_EQ(Get(7, 3), "42");
  EXPECT_EQ(TypeOf(7, 3), kCellNumber);
}

TEST_F(GridCellMessages, DeletingSendsEditEndForTheCursorCell) {
  Send(GM_SETCURSOR, 3, 2);
  Set(8, 8, "gone");
  host.notifications.clear();
  EXPECT_EQ(SendCell(GM_DELETECELL, 8, 8), 0);
  EXPECT_EQ(grid.Cells().Find(8, 8), nullptr);
  EXPECT_EQ(SendCell(GM_DELETECELL, 8, 8), 0);
  ASSERT_EQ(host.notifications.size(), 2u);
  for (const auto& n : host.notifications) {
    EXPECT_EQ(n.code, GN_EDITEND);
    EXPECT_EQ(n.lParam, PackRowCol(3, 2));
  }
}

TEST_F(GridCellMessages, AutoRowGrowsTheGridButNeverShrinksIt) {
  Send(GM_SETDIMENSIONS, 10, 5);
  Set(40, 1, "x");
  EXPECT_EQ(Send(GM_GETROWS), 40);
  Set(5, 1, "x");
  EXPECT_EQ(Send(GM_GETROWS), 40);
  EXPECT_EQ(Send(GM_GETCOLS), 5);

  Send(GM_SETAUTOROW, 0);
  Set(60, 1, "x");
  EXPECT_EQ(Send(GM_GETROWS), 40);
}

TEST_F(GridCellMessages, ClearKeepsColumnsAndStartsRowsOver) {
  Send(GM_SETDIMENSIONS, 50, 8);
  Send(GM_SETCOLWIDTH, 3, 120);
  Send(GM_SETCURSOR, 20, 4);
  Set(20, 4, "x");
  Send(GM_CLEAR);
  EXPECT_TRUE(grid.Cells().Empty());
  EXPECT_EQ(Send(GM_GETROWS), 0);
  EXPECT_EQ(Send(GM_GETCOLS), 8);
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 3), 120);
  EXPECT_EQ(Send(GM_GETCURSORROW), 1);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 1 | (1 << 16));

  Set(3, 2, "x");
  EXPECT_EQ(Send(GM_GETROWS), 3);
}

TEST_F(GridCellMessages, CutsLongTextToTheCellLimit) {
  std::string text;
  for (int i = 0; i < 1200; ++i) text += "\xC3\xA9";
  Set(1, 1, text);
  const std::string kept = Get(1, 1);
  EXPECT_EQ(CountChars(kept), kGridCellMaxChars);
  EXPECT_EQ(kept, text.substr(0, 2 * kGridCellMaxChars));
}

TEST_F(GridCellMessages, FindsTheSameCellsWithElevenOrTwelveStored) {
  for (int count : {11, 12}) {
    Send(GM_CLEAR);
    for (int i = 0; i < count; ++i) Set(i * 3 + 1, i % 4 + 1, "c" + std::to_string(i));
    for (int i = 0; i < count; ++i) EXPECT_EQ(Get(i * 3 + 1, i % 4 + 1), "c" + std::to_string(i));
    EXPECT_EQ(Get(2, 1), "");
    EXPECT_EQ(Get(0, 0), "");
    EXPECT_EQ(Get(count * 3 + 1, 1), "");
  }
}

TEST_F(GridCellMessages, HoldsAFullGridOfEightColumns) {
  Send(GM_SETDIMENSIONS, 0, 8);
  for (int row = 1; row <= kGridMaxRows; ++row) {
    for (int col = 1; col <= 8; ++col) Set(row, col, std::to_string(row * 10 + col));
  }
  EXPECT_EQ(grid.Cells().Size(), 32000u * 8u);
  EXPECT_EQ(Send(GM_GETROWS), kGridMaxRows);
  for (int row : {1, 2, 12, 4097, 31999, 32000}) {
    for (int col : {1, 8}) EXPECT_EQ(Get(row, col), std::to_string(row * 10 + col));
  }
  EXPECT_EQ(TypeOf(32000, 8), kCellNumber);
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(GridCellMessages, ChangeNotificationsCarryTheCursorCell) {
  Send(GM_SETCURSOR, 12, 3);
  EXPECT_TRUE(host.notifications.empty());
  Send(GM_NOTIFYROWCHANGE);
  Send(GM_NOTIFYCOLCHANGE);
  EXPECT_EQ(host.Codes(), (std::vector<int>{GN_ROWCHANGED, GN_SELCHANGE, GN_COLCHANGED, GN_SELCHANGE}));
  for (const auto& n : host.notifications) {
    EXPECT_EQ(n.controlId, kId);
    EXPECT_EQ(n.lParam, PackRowCol(12, 3));
  }
}

}  // namespace
