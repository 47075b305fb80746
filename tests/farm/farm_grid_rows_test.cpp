// What the whole-farm lists' grids show and let a user do, beyond a small document.
#include <gtest/gtest.h>

#include <string>

#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/expense_line.h"
#include "farm/veterinary_cost.h"
#include "grid/grid_engine.h"
#include "platform/clipboard.h"
#include "headless/headless_platform.h"
#include "support/recording_grid_host.h"

namespace {

// The windows' grids over a document's lists. The rows of a small document,
// and the row commands on them, show in the golden scripts.
class FarmListGrids : public ::testing::Test {
 protected:
  void SetUp() override { document.GetBudget(1, true)->publicationId = "EL-21"; }
  std::string LinkLabel(int row) {
    std::unique_ptr<CExpenseLne>* link = document.GetExpenseRowLink(row);
    if (!link) return "none";
    return *link ? (*link)->label : "end";
  }
  void PutOnClipboard(std::string_view format, std::string_view bytes) {
    platform.Memory().Open(nullptr);
    platform.Memory().Empty();
    platform.Memory().Put(format, bytes);
    platform.Memory().Close();
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  RecordingGridHost host;
  GridEngine grid{4001, host};
  CBudgetWorksheet document;
};

TEST_F(FarmListGrids, ExpenseRowsLinkToBothListsAndTheirEnds) {
  document.SetDefaultExpenses();  // 6 operating lines, 12 ownership lines
  EXPECT_EQ(LinkLabel(1), "none");
  EXPECT_EQ(LinkLabel(2), "Repairs");
  EXPECT_EQ(LinkLabel(8), "end");
  EXPECT_EQ(LinkLabel(9), "none");
  EXPECT_EQ(LinkLabel(10), "Management Fee");
  EXPECT_EQ(LinkLabel(22), "end");
  EXPECT_EQ(LinkLabel(23), "none");
}

TEST_F(FarmListGrids, RowCommandsKeepToTheCellsAUserCouldType) {
  document.SetDefaultExpenses();
  document.FillExpenseGrid(grid);
  // A record too large to read: the inserted line stays, empty.
  PutOnClipboard(kFormatExpense, std::string(5000, 'x'));
  grid.SendMessage(GM_SETCURSOR, 8, 1);
  EXPECT_EQ(document.HandleExpenseRowOperation(kCmdPaste, grid), 1);
  EXPECT_EQ(LinkLabel(8), "");
  EXPECT_EQ(LinkLabel(9), "end");

  // Text pasted into the total distribution column would land in a slot no
  // budget has.
  document.FillExpenseGrid(grid);
  PutOnClipboard(kClipboardTextFormat, "75");
  grid.SendMessage(GM_SETCURSOR, 3, 5);
  document.HandleExpenseRowOperation(kCmdPaste, grid);
  EXPECT_EQ(document.lists.pOperatingExpenses->next->allocation[2], -1);
  grid.SendMessage(GM_SETCURSOR, 3, 4);
  document.HandleExpenseRowOperation(kCmdPaste, grid);
  EXPECT_EQ(document.lists.pOperatingExpenses->next->allocation[1], 75);

  grid.SendMessage(GM_SETCURSOR, 1, 1);
  EXPECT_EQ(document.HandleExpenseRowOperation(kCmdDelete, grid), 0);
  EXPECT_EQ(platform.TakeMessages().back(),
            "NULL pParent pointer in CCropBudget::HandleExpenseRowOperation");
}

TEST_F(FarmListGrids, BudgetsBeyondTheSlotsGetGreyColumnsWithNoShare) {
  for (int k = 2; k < MAX_ALLOCATIONS + 1; ++k) document.GetBudget(k, true);
  CExpenseLne& item = *(document.lists.pOperatingExpenses = std::make_unique<CExpenseLne>());
  item.total = 100;
  item.allocation.fill(5);
  document.SetUpExpenseGrid(grid, GridFont{}, 16);
  document.FillExpenseGrid(grid);
  EXPECT_EQ(GetGridCellText(grid, 0, 4), "EL-21\nDistribution");
  EXPECT_EQ(GetGridCellText(grid, 0, 23), "Budget 21\n(not distributed)");
  EXPECT_EQ(GetGridCellText(grid, 2, 22), "5.00 %");
  EXPECT_EQ(grid.Cells().Find(2, 23)->protection, 'P');
  EXPECT_EQ(GetGridCellText(grid, 2, 24), "100.00 %");

  auto& shot = *(document.lists.pVeterinaryCosts = std::make_unique<CVeterinaryCost>());
  shot.cost = 2;
  shot.allocation.fill(1);
  document.SetUpVeterinaryGrid(grid, GridFont{}, 16);
  document.FillVeterinaryGrid(grid);
  EXPECT_EQ(GetGridCellText(grid, 0, 24), "# Treatments or Units Budget 21 (not counted)");
  EXPECT_EQ(GetGridCellText(grid, 1, 24), "");
  EXPECT_EQ(grid.Cells().Find(1, 24)->protection, 'P');
  EXPECT_EQ(GetGridCellText(grid, 1, 4 + 21 + 20), "");
  EXPECT_EQ(grid.SendMessage(GM_GETCOLS), 2 * 21 + 3);
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 19), "$ 2.00");  // totals row
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 20), "");
}

}  // namespace
