// The cell store and the cell messages.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "text/utf8_text.h"
#include "grid_fixture.h"

namespace {

using GridCells = GridFixture;
using Cells = std::vector<std::pair<int, int>>;

// The command-line cell dump holds the row-then-column visiting order.
TEST(GridCellStore, KeepsAddressesApartAndVisitsARowWithinBounds) {
  GridCellStore store;
  for (const auto& [row, col] : Cells{{1, 256}, {1, 3}, {1, 0}, {0, 0}, {2, 0}})
    store.Store(row, col, 'U', std::to_string(col));
  // Outside the grid: column 512 of row 0 would share the key of row 1, column 0.
  for (const auto& [row, col] : Cells{{0, 512}, {-1, 0}, {32001, 0}}) store.Store(row, col, 'U', "out");
  EXPECT_EQ(store.Find(1, 0)->text, "0");
  EXPECT_FALSE(store.Find(1, -512));
  EXPECT_FALSE(store.Remove(0, 512));
  EXPECT_EQ(store.Size(), 5u);
  const auto columns = [&](int first, int last) {
    std::vector<int> cols;
    store.ForEachInRow(1, first, last, [&](int col, const StoredCell&) { cols.push_back(col); });
    return cols;
  };
  EXPECT_EQ(columns(1, 256), (std::vector<int>{3, 256}));
  EXPECT_EQ(columns(-5, 999), (std::vector<int>{0, 3, 256}));
  EXPECT_TRUE(columns(8, 2).empty());
}

// Stores, overwrites of every length, protection changes and removals (of
// cells, rows and columns) must read back as a plain ordered map of the same
// cells would.
TEST(GridCellStore, AgreesWithAnOrderedMapOverMixedChanges) {
  GridCellStore store;
  std::map<std::pair<int, int>, std::pair<char, std::string>> expected;
  std::mt19937 random(7);
  const auto pick = [&](int last) { return static_cast<int>(random() % static_cast<unsigned>(last + 1)); };
  for (int step = 0; step < 20000; ++step) {
    const int row = pick(40), col = pick(step % 2 ? 12 : 256);
    const int action = pick(9);
    if (action < 6) {
      const std::string text(static_cast<std::size_t>(pick(3) == 0 ? pick(300) : pick(12)), static_cast<char>('a' + pick(25)));
      const char protection = pick(1) ? 'P' : 'U';
      store.Store(row, col, protection, text);
      expected[{row, col}] = {protection, text};
    } else if (action < 8) {
      EXPECT_EQ(store.Remove(row, col), expected.erase({row, col}) == 1);
    } else if (action == 8) {
      const auto it = expected.find({row, col});
      EXPECT_EQ(store.SetProtection(row, col, 'P'), it != expected.end());
      if (it != expected.end()) it->second.first = 'P';
    } else if (step % 50 == 0) {
      store.RemoveRowsAfter(row + 10);
      expected.erase(expected.lower_bound({row + 11, 0}), expected.end());
    } else if (step % 50 == 25) {
      const int lastCol = col % 14;
      store.RemoveColumnsAfter(lastCol);
      std::erase_if(expected, [&](const auto& cell) { return cell.first.second > lastCol; });
    }
  }
  std::vector<std::tuple<int, int, char, std::string>> visited, wanted;
  store.ForEach([&](int row, int col, const StoredCell& cell) {
    visited.emplace_back(row, col, cell.protection, std::string(cell.text));
    EXPECT_EQ(cell.type, ClassifyCellText(cell.text));
  });
  for (const auto& [key, cell] : expected) wanted.emplace_back(key.first, key.second, cell.first, cell.second);
  EXPECT_EQ(visited, wanted);
  EXPECT_EQ(store.Size(), expected.size());
  EXPECT_EQ(store.LastRow(), expected.empty() ? 0 : expected.rbegin()->first.first);
}

// A text read back from a row may be stored into the same row, whose block
// grows (and moves) under it.
TEST(GridCellStore, StoresATextTakenFromItsOwnRow) {
  GridCellStore store;
  store.Store(3, 1, 'U', std::string(60, 'x'));
  for (int col = 2; col <= 20; ++col) store.Store(3, col, 'U', store.Find(3, col - 1)->text);
  EXPECT_EQ(store.Find(3, 20)->text, std::string(60, 'x'));
  store.Store(3, 1, 'U', store.Find(3, 1)->text.substr(10));
  EXPECT_EQ(store.Find(3, 1)->text, std::string(50, 'x'));
}

TEST(GridCellStore, HoldsAFullBudgetGridInAFewBytesPerCell) {
  GridCellStore store;
  for (int row = 0; row <= kGridMaxRows; ++row) {
    store.Store(row, 0, 'U', row % 25 ? "" : "*");
    store.Store(row, 1, 'U', "Item number " + std::to_string(row));
    for (int col = 2; col < 8; ++col) store.Store(row, col, 'P', "$ " + std::to_string(row * 7 + col) + ".50");
  }
  EXPECT_EQ(store.Size(), (kGridMaxRows + 1) * 8u);
  EXPECT_EQ(store.Find(31999, 7)->text, "$ 224000.50");
  EXPECT_LT(store.AllocatedBytes(), (kGridMaxRows + 1) * 8u * 32u) << "under 32 bytes a cell";
  store.RemoveRowsAfter(100);
  EXPECT_LT(store.AllocatedBytes(), 101 * 8u * 32u + 32768u) << "a short table keeps no tall index";
}

TEST(GridCellStore, CutsLongTextAtWholeCharactersThenClassifiesIt) {
  std::string accented;
  for (int i = 0; i < 1000; ++i) accented += "\xC3\xA9";
  const std::tuple<std::string, std::size_t, char> cases[] = {
      {std::string(986, '7'), 986, 'N'}, {std::string(5000, 'w'), 986, 'A'}, {accented, 986 * 2, 'A'},
      {std::string(985, 'a') + "\xF0\x9F\x90\x84xyz", 985 + 4, 'A'},
      {std::string(986, '1') + "kg", 986, 'N'}, {std::string(1000, '\xFF'), 986, 'A'}};  // stray bytes
  for (const auto& [text, bytes, type] : cases) {
    GridCellStore store;
    store.Store(1, 1, 'P', "old");
    store.Store(1, 1, 'U', text);
    const StoredCell kept = *store.Find(1, 1);
    EXPECT_EQ(kept.text, text.substr(0, bytes));
    EXPECT_EQ(CountChars(kept.text), kGridCellMaxChars);
    EXPECT_EQ(std::string({kept.type, kept.protection}), std::string({type, 'U'}));
  }
}

TEST_F(GridCells, ClassifiesTextAndReportsTheTypeAsANumber) {
  const std::vector<std::pair<std::string, char>> cases = {
      {"-12.50", 'N'}, {"$40", 'N'},   {"1,200", 'N'}, {"15 %", 'N'},  {"+5", 'N'},     {".5", 'N'},
      {" 42 ", 'N'},   {"(300)", 'N'}, {"12-3", 'A'},  {"1.2.3", 'A'}, {"N/A", 'A'},    {"", 'A'},
      {"$-5", 'A'},    {"1e5", 'A'},   {"12$", 'A'},   {"-", 'A'},     {".", 'A'},      {"x1", 'A'},
      {"true", 'T'},   {"tRuE", 'T'},  {"FALSE", 'F'}, {"TRUE ", 'A'}, {"truest", 'A'}, {"~7", 'G'},
      {"~", 'G'},      {"~true", 'G'}, {" ~7", 'N'},
      // Multibyte characters count as letters: never numeric, never a crash.
      {"\xE2\x82\xAC" "5", 'A'}, {"5\xC3\xA9", 'A'}, {"\xFF" "1", 'A'}};
  const std::string letters = "ANTFG";
  const std::intptr_t numbers[] = {kCellText, kCellNumber, kCellTrue, kCellFalse, kCellOwnerDraw};
  int row = 1;
  for (const auto& [text, type] : cases) {
    EXPECT_EQ(ClassifyCellText(text), type) << '"' << text << '"';
    Set(row, 2, text);
    EXPECT_EQ(SendCell(GM_GETCELLTYPE, row++, 2), numbers[letters.find(type)]) << text;
  }
  EXPECT_EQ(SendCell(GM_GETCELLTYPE, 99, 2), kCellNone);
}

TEST_F(GridCells, RefusesCellsOutsideTheGridAndAcceptsItsCorners) {
  Set(1, 1, "kept");
  std::string buffer = "untouched";
  const char* text = "x";
  for (unsigned message : {GM_SETCELL, GM_GETCELL, GM_DELETECELL, GM_PROTECTCELL, GM_GETCELLTYPE,
                           GM_GETPROTECTION}) {
    const std::intptr_t lParam = message == GM_SETCELL   ? reinterpret_cast<std::intptr_t>(text)
                                 : message == GM_GETCELL ? reinterpret_cast<std::intptr_t>(&buffer)
                                                         : 1;
    for (const auto& [row, col] : Cells{{32001, 1}, {-1, 1}, {1, 257}, {1, -1}, {-32768, -9}}) {
      host.notifications.clear();
      EXPECT_EQ(SendCell(message, row, col, lParam), -1) << message << " at " << row << "," << col;
      ASSERT_EQ(host.notifications.size(), 1u);
      const RecordedNotification& n = host.notifications[0];
      EXPECT_EQ(std::tie(n.controlId, n.code, n.lParam), std::tuple(kId, GN_OUTOFRANGE, 0));
    }
    EXPECT_EQ(Send(message, 0, lParam), -1) << "null cell, message " << message;
    EXPECT_EQ(host.notifications.size(), 2u);
  }
  EXPECT_EQ(buffer, "untouched");
  EXPECT_EQ(grid.Cells().Size(), 1u);
  EXPECT_EQ(grid.State().rows, 100);

  host.notifications.clear();
  for (const auto& [row, col] : Cells{{32000, 1}, {1, 256}, {0, 0}, {32000, 256}}) {
    EXPECT_EQ(Set(row, col, "edge"), 0);
    EXPECT_EQ(Get(row, col), "edge");
  }
  EXPECT_TRUE(host.notifications.empty());
  EXPECT_EQ(grid.State().rows, 32000);
}

TEST_F(GridCells, ReadingProtectingAndDeleting) {
  std::string text = "stale";
  EXPECT_EQ(GetGridCell(grid, 4, 5, &text) + GetGridCell(grid, 4, 5, nullptr), 0);
  EXPECT_EQ(text, "") << "a missing cell empties the string";
  EXPECT_EQ(SendCell(GM_SETCELL, 2, 2, 0), 0);  // no text: an empty cell
  EXPECT_EQ(SendCell(GM_GETCELLTYPE, 2, 2), kCellText);

  Send(GM_SETPROTECTDEFAULT, 1);
  Set(4, 4, "42");
  EXPECT_EQ(SendCell(GM_GETPROTECTION, 4, 4), 1);
  SendCell(GM_PROTECTCELL, 4, 4, 0);
  EXPECT_EQ(SendCell(GM_GETPROTECTION, 4, 4), 0);
  EXPECT_EQ(SendCell(GM_GETCELLTYPE, 4, 4), kCellNumber) << "protection keeps the text";
  SendCell(GM_PROTECTCELL, 6, 3, 1);  // an empty cell: created as empty text
  EXPECT_EQ(SendCell(GM_GETPROTECTION, 6, 3), 1);
  EXPECT_EQ(SendCell(GM_GETCELLTYPE, 6, 3), kCellText);

  Send(GM_SETCURSOR, 3, 2);
  EXPECT_EQ(SendCell(GM_DELETECELL, 4, 4) + SendCell(GM_DELETECELL, 4, 4), 0);
  EXPECT_FALSE(grid.Cells().Find(4, 4));
  ASSERT_EQ(host.notifications.size(), 2u) << "an edit end for the cursor cell, deleted or not";
  for (const auto& n : host.notifications)
    EXPECT_EQ(std::pair(n.code, n.lParam), std::pair(+GN_EDITEND, PackRowCol(3, 2)));
}

TEST_F(GridCells, AutoRowGrowsTheGridAndClearStartsRowsOverKeepingColumns) {
  Send(GM_SETDIMENSIONS, 10, 5);
  Set(40, 1, "x");
  Set(5, 1, "x");
  EXPECT_EQ(Ask({GM_GETROWS, GM_GETCOLS}), (Values{40, 5})) << "grows, never shrinks";
  Send(GM_SETAUTOROW, 0);
  Set(60, 1, "x");
  EXPECT_EQ(Send(GM_GETROWS), 40);
  Send(GM_SETAUTOROW, 1);

  Send(GM_SETCOLWIDTH, 3, 120);
  Send(GM_SETCURSOR, 20, 4);
  Send(GM_SETTOPLEFT, 0, 30 | (4 << 16));
  Send(GM_CLEAR);
  EXPECT_TRUE(grid.Cells().Empty());
  EXPECT_EQ(Ask({GM_GETROWS, GM_GETCOLS, GM_GETCURSORROW, GM_GETTOPLEFT}), (Values{0, 5, 1, 1 | (1 << 16)}));
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 3), 120);
  Set(3, 2, "x");
  EXPECT_EQ(Send(GM_GETROWS), 3);
}

TEST_F(GridCells, FewerRowsOrColumnsDropTheCellsBeyondThemButNeverTheHeadings) {
  for (int row = 0; row <= 30; ++row) Set(row, 1, "x");
  Send(GM_SETDIMENSIONS, 12, 7);
  EXPECT_EQ(grid.Cells().LastRow(), 12);
  EXPECT_EQ(GetGridCellText(grid, 13, 1), "");
  Send(GM_SETDIMENSIONS, 0, 7);
  EXPECT_EQ(grid.Cells().Size(), 1u) << "row 0 holds the column titles";

  // A narrower grid (another tab of a window) keeps no cell, title or not, out of sight.
  Send(GM_SETDIMENSIONS, 3, 9);
  for (int col = 1; col <= 9; ++col) Set(0, col, "title"), Set(2, col, "y");
  Send(GM_SETDIMENSIONS, 3, 4);
  EXPECT_EQ(GetGridCellText(grid, 0, 5), "");
  EXPECT_EQ(GetGridCellText(grid, 2, 9), "");
  EXPECT_EQ(GetGridCellText(grid, 2, 4), "y");
  EXPECT_EQ(grid.Cells().Size(), 8u);
}

}  // namespace
