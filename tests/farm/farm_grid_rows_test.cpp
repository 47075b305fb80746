// The cells a whole-farm line writes into its dialog's grid.
#include <gtest/gtest.h>

#include <string>

#include "farm/expense_line.h"
#include "farm/veterinary_cost.h"
#include "grid/grid_engine.h"
#include "platform/headless_platform.h"
#include "support/recording_grid_host.h"

namespace {

class FarmGridRows : public ::testing::Test {
 protected:
  // Cells 0..count-1 of a row joined by "|", then their protection letters.
  std::string Row(int row, int count) {
    std::string cells, locks = " ";
    for (int col = 0; col < count; ++col) {
      cells += (col ? "|" : "") + GetGridCellText(grid, row, col);
      const StoredCell* cell = grid.Cells().Find(row, col);
      locks += cell ? cell->protection : '-';
    }
    return cells + locks;
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  RecordingGridHost host;
  GridEngine grid{4001, host};
};

TEST_F(FarmGridRows, ExpenseItemAndHeadingRows) {
  CExpenseLne heading;
  heading.heading = 1;
  heading.label = "Fuel";
  heading.next = std::make_unique<CExpenseLne>();
  CExpenseLne& item = *heading.next;
  item.label = "Diesel";
  item.total = 1000;
  item.allocation[0] = 60;
  item.allocation[1] = 50;

  item.FillGridRow(grid, 2, 2);
  heading.FillGridRow(grid, 1, 2);
  EXPECT_EQ(Row(2, 6), "|Diesel|$ 1000.00|60.00 %|50.00 %|110.00 % UUUUUP");
  EXPECT_EQ(Row(1, 6), "*|Fuel|$ 1000.00|$ 600.00|$ 500.00| PUPPPP");
}

TEST_F(FarmGridRows, VeterinaryRowsAndABudgetBeyondTheSlots) {
  CVeterinaryCost shot;
  shot.label = "Shot";
  shot.units = "dose";
  shot.cost = 2.5;
  shot.allocation[0] = 120;
  shot.FillGridRow(grid, 1, 21);
  EXPECT_EQ(GetGridCellText(grid, 1, 3), "$ 2.50");
  EXPECT_EQ(GetGridCellText(grid, 1, 4), "120.00");
  EXPECT_EQ(GetGridCellText(grid, 1, 5), "");
  EXPECT_EQ(GetGridCellText(grid, 1, 25), "$ 300.00");
  // The 21st budget has an empty, read-only count and cost.
  EXPECT_EQ(GetGridCellText(grid, 1, 24), "");
  EXPECT_EQ(grid.Cells().Find(1, 24)->protection, 'P');
  EXPECT_EQ(grid.Cells().Find(1, 4)->protection, 'U');
  EXPECT_EQ(GetGridCellText(grid, 1, 45), "");
}

}  // namespace
