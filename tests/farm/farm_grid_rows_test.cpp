// What the whole-farm lists' grids show and let a user do, beyond a small document.
#include <gtest/gtest.h>

#include <string>

#include "document/worksheet.h"
#include "farm/expense_lists.h"
#include "farm/veterinary_list.h"
#include "grid/grid_engine.h"
#include "headless/headless_platform.h"
#include "platform/clipboard.h"
#include "platform/clipboard_transfer.h"
#include "support/recording_grid_host.h"

namespace {

std::string Labels(const CExpenseLne* line) {
  std::string labels;
  for (; line; line = line->next.get()) labels += line->label + ";";
  return labels;
}

// The windows' grids over a document's lists. The rows of a small document,
// and the row commands on them, show in the golden scripts.
class FarmListGrids : public ::testing::Test {
 protected:
  void SetUp() override { document.GetBudget(1, true)->publicationId = "EL-21"; }
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
  std::unique_ptr<ListGrid> expenses = MakeExpenseGrid(document.Farm());
};

TEST_F(FarmListGrids, ExpenseRowsLinkToBothListsAndTheirEnds) {
  document.SetDefaultExpenses();  // 6 operating lines, 12 ownership lines
  for (const int row : {1, 9, 23}) EXPECT_FALSE(expenses->HasRowLink(row, 0)) << row;
  for (const int row : {2, 8, 10, 22}) EXPECT_TRUE(expenses->HasRowLink(row, 0)) << row;
  // A new-item row's text joins the end of its own list.
  EXPECT_TRUE(expenses->EditCell(8, 1, 0, "Vet fuel").changed);
  EXPECT_TRUE(expenses->EditCell(23, 1, 0, "Dues 2").changed);
  EXPECT_EQ(Labels(document.lists.pOperatingExpenses.get()).substr(0, 8), "Repairs;");
  EXPECT_TRUE(Labels(document.lists.pOperatingExpenses.get()).ends_with(";Vet fuel;"));
  EXPECT_TRUE(Labels(document.lists.pOwnershipExpenses.get()).ends_with(";Dues 2;"));
  EXPECT_EQ(expenses->EditCell(10, 1, 0, "Fee").refusal,  // now the section row
            "NULL pParent pointer in editing Farm Expense grid");
  EXPECT_TRUE(expenses->EditCell(11, 1, 0, "Fee").changed);
  EXPECT_EQ(document.lists.pOwnershipExpenses->label, "Fee");
}

TEST_F(FarmListGrids, RowCommandsKeepToTheCellsAUserCouldType) {
  document.SetDefaultExpenses();
  expenses->Fill(grid, 0);
  // A record too large to read: the inserted line stays, empty.
  PutOnClipboard(kFormatExpense, std::string(5000, 'x'));
  grid.SendMessage(GM_SETCURSOR, 8, 1);
  EXPECT_EQ(expenses->HandleRowOperation(kCmdPaste, grid, 0), 1);
  EXPECT_TRUE(Labels(document.lists.pOperatingExpenses.get()).ends_with("Enter labor items here;;"));

  // Text pasted into the total distribution column would land in a slot no
  // budget has.
  expenses->Fill(grid, 0);
  PutOnClipboard(kClipboardTextFormat, "75");
  grid.SendMessage(GM_SETCURSOR, 3, 5);
  expenses->HandleRowOperation(kCmdPaste, grid, 0);
  EXPECT_EQ(document.lists.pOperatingExpenses->next->allocation[2], -1);
  grid.SendMessage(GM_SETCURSOR, 3, 4);
  expenses->HandleRowOperation(kCmdPaste, grid, 0);
  EXPECT_EQ(document.lists.pOperatingExpenses->next->allocation[1], 75);

  grid.SendMessage(GM_SETCURSOR, 1, 1);
  EXPECT_EQ(expenses->HandleRowOperation(kCmdDelete, grid, 0), 0);
  EXPECT_EQ(platform.TakeMessages().back(),
            "NULL pParent pointer in CCropBudget::HandleExpenseRowOperation");
}

TEST_F(FarmListGrids, BudgetsBeyondTheSlotsGetGreyColumnsWithNoShare) {
  for (int k = 2; k < MAX_ALLOCATIONS + 1; ++k) document.GetBudget(k, true);
  CExpenseLne& item = *(document.lists.pOperatingExpenses = std::make_unique<CExpenseLne>());
  item.total = 100;
  item.allocation.fill(5);
  expenses->SetUp(grid, GridFont{}, 16);
  expenses->Fill(grid, 0);
  EXPECT_EQ(GetGridCellText(grid, 0, 4), "EL-21\nDistribution");
  EXPECT_EQ(GetGridCellText(grid, 0, 23), "Budget 21\n(not distributed)");
  EXPECT_EQ(GetGridCellText(grid, 2, 22), "5.00 %");
  EXPECT_EQ(grid.Cells().Find(2, 23)->protection, 'P');
  EXPECT_EQ(GetGridCellText(grid, 2, 24), "100.00 %");

  auto& shot = *(document.lists.pVeterinaryCosts = std::make_unique<CVeterinaryCost>());
  shot.cost = 2;
  shot.allocation.fill(1);
  const std::unique_ptr<ListGrid> veterinary = MakeVeterinaryGrid(document.Farm());
  veterinary->SetUp(grid, GridFont{}, 16);
  veterinary->Fill(grid, 0);
  EXPECT_EQ(GetGridCellText(grid, 0, 24), "# Treatments or Units Budget 21 (not counted)");
  EXPECT_EQ(GetGridCellText(grid, 1, 24), "");
  EXPECT_EQ(grid.Cells().Find(1, 24)->protection, 'P');
  EXPECT_EQ(GetGridCellText(grid, 1, 4 + 21 + 20), "");
  EXPECT_EQ(grid.SendMessage(GM_GETCOLS), 2 * 21 + 3);
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 19), "$ 2.00");  // totals row
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 20), "");
}

}  // namespace
