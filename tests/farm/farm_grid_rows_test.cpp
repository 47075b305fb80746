// The cells a whole-farm line writes into its dialog's grid.
#include <gtest/gtest.h>

#include <string>

#include "document/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/expense_line.h"
#include "farm/veterinary_cost.h"
#include "grid/grid_engine.h"
#include "platform/clipboard.h"
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

// The whole windows' grids over a document's lists.
class FarmListGrids : public FarmGridRows {
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

  document.FillExpenseGrid(grid);
  EXPECT_EQ(grid.SendMessage(GM_GETROWS), 22);
  EXPECT_EQ(grid.SendMessage(GM_GETCOLS), 5);
  EXPECT_EQ(Row(9, 6), "*|OWNERSHIP COSTS|||| PPPPPP");
  EXPECT_EQ(Row(22, 6), "|<Type new item here>|||| UUUUUU");
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
  EXPECT_EQ(grid.SendMessage(GM_GETCOLS), 2 * 21 + 3);
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 19), "$ 2.00");  // totals row
  EXPECT_EQ(GetGridCellText(grid, 3, 4 + 21 + 20), "$ 0.00");
}

}  // namespace
