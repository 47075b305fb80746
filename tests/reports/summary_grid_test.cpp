// The summary tab's grid views and the operating cost table behind one of them.

#include <gtest/gtest.h>

#include <string>

#include "grid/grid_engine.h"
#include "reports/cell_dump.h"
#include "reports/operating_cost_categories.h"
#include "reports/summary_fixture.h"
#include "reports/summary_grid.h"
#include "support/recording_grid_host.h"

namespace {

class SummaryGridTest : public ::testing::Test {
 protected:
  // What a budget tab left behind, wider and longer than either view.
  void SetUp() override {
    CCropBudget other;
    other.FillGrid(grid);
    grid.SendMessage(GM_SETPROTECTDEFAULT, 1);
  }

  CBudgetWorksheet worksheet;
  RecordingGridHost host;
  GridEngine grid{1500, host};
};

TEST_F(SummaryGridTest, WholeFarmSummaryHasARowPerBudgetAndTheTotal) {
  FillSummaryWorksheet(worksheet);
  FillWholeFarmSummary(worksheet, grid);
  EXPECT_EQ(DumpGridCells(grid),
            "4\t5\n"
            "0\t0\tU\t*\n0\t1\tU\tLivestock Budget\n0\t2\tU\tNumber of Herd Units\n"
            "0\t3\tU\tTotal\\nRevenue\n0\t4\tU\tTotal\\nCosts\n0\t5\tU\tNet\\nReturns\n"
            "1\t0\tP\t\n1\t1\tP\tCC-09\n1\t2\tP\t10 Cow\n"
            "1\t3\tP\t$ 1000.00\n1\t4\tP\t$ 500.50\n1\t5\tP\t$ 499.50\n"
            "2\t0\tP\t\n2\t1\tP\tUntitled Tab\n2\t2\tP\t\n"
            "2\t3\tP\t$ 0.00\n2\t4\tP\t$ 300.00\n2\t5\tP\t$ -300.00\n"
            "3\t0\tP\t\n3\t1\tP\tZ-1\n3\t2\tP\t0\n"
            "3\t3\tP\t$ 0.00\n3\t4\tP\t$ 50.00\n3\t5\tP\t$ -50.00\n"
            "4\t0\tP\t*\n4\t1\tP\tTOTAL\n4\t2\tP\t\n"
            "4\t3\tP\t$ 1000.00\n4\t4\tP\t$ 850.50\n4\t5\tP\t$ 149.50\n");
  SetGridCell(grid, 2, 2, "typed");  // the grid's default is unprotected again
  EXPECT_EQ(grid.Cells().Find(2, 2)->protection, 'U');
  CBudgetWorksheet empty;
  FillWholeFarmSummary(empty, grid);
  EXPECT_EQ(DumpGridCells(grid).substr(0, 4), "1\t5\n");
  EXPECT_EQ(GetGridCellText(grid, 1, 1), "TOTAL");
}

TEST_F(SummaryGridTest, BudgetsBeyondTheGridsRowsStillCountInTheTotal) {
  const int budgets = kGridMaxRows + 5;
  worksheet.GetBudget(budgets - 1, true);
  for (CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get())
    AddSummaryLine(*budget, kSectionReturns, "Calves", kKindTotal, 2);
  FillWholeFarmSummary(worksheet, grid);
  EXPECT_EQ(grid.SendMessage(GM_GETROWS), kGridMaxRows);
  EXPECT_EQ(GetGridCellText(grid, kGridMaxRows - 1, 3), "$ 2.00");
  EXPECT_EQ(GetGridCellText(grid, kGridMaxRows, 1), "TOTAL");
  EXPECT_EQ(GetGridCellText(grid, kGridMaxRows, 3), "$ " + std::to_string(2 * budgets) + ".00");
}

TEST_F(SummaryGridTest, OperatingCostSummaryListsCategoriesAlphabetically) {
  FillSummaryWorksheet(worksheet);
  CCropBudget& herd = *worksheet.GetBudget(0);
  AddSummaryLine(herd, kSectionOperating, "animal health", kKindHeading, -1);
  AddSummaryLine(herd, kSectionOperating, "Empty", kKindHeading, -1);
  AddSummaryLine(herd, kSectionOperating, "", kKindHeading, -1);
  AddSummaryLine(herd, kSectionOperating, "Vaccine", kKindTotal, 80.125);
  AddSummaryLine(herd, kSectionReturns, "Returns heading", kKindHeading, -1);
  FillOperatingCostSummary(worksheet, grid);
  EXPECT_EQ(DumpGridCells(grid),
            "3\t2\n"
            "0\t0\tU\t*\n0\t1\tP\tOperating Cost Category\\n(alphabetical order)\n0\t2\tP\tTotal\n"
            "1\t0\tP\t\n1\t1\tP\tanimal health\n1\t2\tP\t$ 0.00\n"
            "2\t0\tP\t\n2\t1\tP\tEmpty\n2\t2\tP\t$ 0.00\n"
            "3\t0\tP\t\n3\t1\tP\tFeed\n3\t2\tP\t$ 700.00\n");
}

TEST(OperatingCostCategories, TableLimitsAreKeptWithoutOverrun) {
  CBudgetWorksheet worksheet;
  CCropBudget& first = *worksheet.GetBudget(0, true);
  const std::string longLabel(50, 'x');
  AddSummaryLine(first, kSectionOperating, longLabel, kKindHeading, -1);
  AddSummaryLine(first, kSectionOperating, "Hay", kKindTotal, 10);
  for (int k = 0; k < 1005; ++k) {
    AddSummaryLine(first, kSectionOperating, "Category " + std::to_string(k), kKindHeading, -1);
    AddSummaryLine(first, kSectionOperating, "Item", kKindTotal, 1);
  }
  // A category already in the table still adds when the table is full.
  CCropBudget& second = *worksheet.GetBudget(1, true);
  AddSummaryLine(second, kSectionOperating, "CATEGORY 7", kKindHeading, -1);
  AddSummaryLine(second, kSectionOperating, "Item", kKindTotal, 5);
  AddSummaryLine(second, kSectionOperating, "Category 1004", kKindHeading, -1);
  AddSummaryLine(second, kSectionOperating, "Item", kKindTotal, 5);

  const std::vector<CostCategory> categories = OperatingCostCategories(worksheet);
  ASSERT_EQ(categories.size(), kMaxCostCategories);
  EXPECT_EQ(categories.back().name, std::string(39, 'x'));
  EXPECT_EQ(categories.back().total, 10);
  EXPECT_EQ(categories[0].name, "Category 0");
  EXPECT_EQ(categories[1].name, "Category 1");
  EXPECT_EQ(categories[2].name, "Category 10");  // text order, not number order
  for (const CostCategory& category : categories) {
    EXPECT_NE(category.name, "Category 999");
    if (category.name == "Category 7") {
      EXPECT_EQ(category.total, 6);
    }
  }
}

}  // namespace
