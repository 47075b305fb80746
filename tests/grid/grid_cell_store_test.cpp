#include "grid/grid_cell_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "document/utf8_text.h"

namespace {

TEST(ClassifyCellText, FollowsTheTypeRules) {
  const std::vector<std::pair<std::string, char>> cases = {
      {"-12.50", 'N'}, {"$40", 'N'},     {"1,200", 'N'},   {"15 %", 'N'},   {"+5", 'N'},
      {".5", 'N'},     {" 42 ", 'N'},    {"(300)", 'N'},   {"12-3", 'A'},   {"1.2.3", 'A'},
      {"N/A", 'A'},    {"", 'A'},        {"$-5", 'A'},     {"1e5", 'A'},    {"12$", 'A'},
      {"-", 'A'},      {".", 'A'},       {"x1", 'A'},      {"true", 'T'},   {"TRUE", 'T'},
      {"tRuE", 'T'},   {"False", 'F'},   {"FALSE", 'F'},   {"TRUE ", 'A'},  {"truest", 'A'},
      {"~7", 'G'},     {"~", 'G'},       {"~true", 'G'},   {" ~7", 'N'},
      // Multibyte characters count as letters: never numeric, never a crash.
      {"\xE2\x82\xAC" "5", 'A'}, {"5\xC3\xA9", 'A'}, {"\xFF" "1", 'A'},
  };
  for (const auto& [text, type] : cases) {
    EXPECT_EQ(ClassifyCellText(text), type) << '"' << text << '"';
  }
}

TEST(GridCellStore, VisitsCellsByRowThenColumn) {
  GridCellStore store;
  const std::vector<std::pair<int, int>> inserted = {{2, 0}, {1, 256}, {0, 0},   {32000, 1},
                                                     {1, 3}, {10, 2},  {2, 255}, {1, 0}};
  for (const auto& [row, col] : inserted) store.Store(row, col, 'U', "x");

  std::vector<std::pair<int, int>> visited;
  store.ForEach([&](int row, int col, const StoredCell&) { visited.emplace_back(row, col); });
  const std::vector<std::pair<int, int>> expected = {{0, 0},  {1, 0},   {1, 3},  {1, 256},
                                                     {2, 0},  {2, 255}, {10, 2}, {32000, 1}};
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(store.LastRow(), 32000);
}

TEST(GridCellStore, VisitsOneRowWithinColumnBounds) {
  GridCellStore store;
  for (int col : {0, 1, 4, 7, 256}) store.Store(5, col, 'U', std::to_string(col));
  store.Store(4, 5, 'U', "other row");
  store.Store(6, 0, 'U', "other row");

  const auto columns = [&](int first, int last) {
    std::vector<int> cols;
    store.ForEachInRow(5, first, last, [&](int col, const StoredCell& cell) {
      EXPECT_EQ(cell.text, std::to_string(col));
      cols.push_back(col);
    });
    return cols;
  };
  EXPECT_EQ(columns(1, 7), (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(columns(2, 6), (std::vector<int>{4}));
  EXPECT_EQ(columns(-5, 999), (std::vector<int>{0, 1, 4, 7, 256}));
  EXPECT_TRUE(columns(8, 2).empty());
}

TEST(GridCellStore, ReplacesRemovesAndTracksTheLastRow) {
  GridCellStore store;
  EXPECT_EQ(store.LastRow(), 0);
  EXPECT_EQ(store.Find(3, 3), nullptr);

  store.Store(3, 3, 'P', "12");
  store.Store(3, 3, 'U', "abc");
  ASSERT_NE(store.Find(3, 3), nullptr);
  EXPECT_EQ(store.Size(), 1u);
  EXPECT_EQ(store.Find(3, 3)->protection, 'U');
  EXPECT_EQ(store.Find(3, 3)->type, 'A');
  EXPECT_EQ(store.Find(3, 3)->text, "abc");

  store.Store(9, 1, 'U', "1");
  EXPECT_EQ(store.LastRow(), 9);
  EXPECT_FALSE(store.Remove(9, 2));
  EXPECT_TRUE(store.Remove(9, 1));
  EXPECT_FALSE(store.Remove(9, 1));
  EXPECT_EQ(store.LastRow(), 3);
}

TEST(GridCellStore, IgnoresAddressesOutsideTheGrid) {
  GridCellStore store;
  // Column 512 of row 0 would share the key of row 1, column 0.
  store.Store(0, 512, 'U', "wrapped");
  store.Store(-1, 0, 'U', "negative");
  store.Store(32001, 0, 'U', "too far");
  EXPECT_TRUE(store.Empty());
  store.Store(1, 0, 'U', "real");
  EXPECT_EQ(store.Find(0, 512), nullptr);
  EXPECT_EQ(store.Find(1, -512), nullptr);
  EXPECT_FALSE(store.Remove(0, 512));
  EXPECT_EQ(store.Size(), 1u);
}

TEST(GridCellStore, CutsLongTextAtWholeCharacters) {
  struct Case {
    std::string text;
    std::size_t bytes;
  };
  const std::string e = "\xC3\xA9";           // two bytes
  const std::string cow = "\xF0\x9F\x90\x84";  // four bytes
  std::string mixed(985, 'a');
  mixed += cow + "xyz";
  std::string repeated;
  for (int i = 0; i < 1000; ++i) repeated += e;
  const std::vector<Case> cases = {
      {std::string(986, '7'), 986},
      {std::string(5000, 'w'), 986},
      {repeated, 986 * 2},
      {mixed, 985 + 4},
  };
  for (const auto& c : cases) {
    GridCellStore store;
    store.Store(1, 1, 'U', c.text);
    const std::string& kept = store.Find(1, 1)->text;
    EXPECT_EQ(kept.size(), c.bytes);
    EXPECT_EQ(CountChars(kept), kGridCellMaxChars);
    EXPECT_TRUE(IsValidUtf8(kept));
  }
}

TEST(GridCellStore, ClassifiesTheTextAsKept) {
  GridCellStore store;
  store.Store(1, 1, 'U', std::string(986, '1') + "kg");
  EXPECT_EQ(store.Find(1, 1)->type, 'N');
}

}  // namespace
