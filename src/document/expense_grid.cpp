// The general expense window's grid: both lists in one grid, each under its
// section row and followed by a row for a new item.
#include <string>

#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "farm/list_row_operation.h"
#include "grid/grid_engine.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"

namespace {

constexpr int kFirstLineRow = 2;

void PutSectionRow(GridEngine& grid, int row, std::string_view label, int lastCol) {
  PutGridCell(grid, row, 0, "*", true);
  PutGridCell(grid, row, 1, label, true);
  for (int col = 2; col <= lastCol; ++col) PutGridCell(grid, row, col, {}, true);
}

// Open where an item's cells are: the total distribution and the budgets
// without slots take nothing typed.
void PutNewItemRow(GridEngine& grid, int row, int budgetCount) {
  PutGridCell(grid, row, 0, {}, false);
  PutGridCell(grid, row, 1, kNewItemText, false);
  for (int col = 2; col <= budgetCount + 3; ++col) {
    PutGridCell(grid, row, col, {}, col > 2 + SlotsInUse(budgetCount));
  }
}

// Writes a list's lines and its new-item row; returns the row after them.
int PutList(GridEngine& grid, const CExpenseLne* line, int row, int budgetCount) {
  for (; line; line = line->next.get()) line->FillGridRow(grid, row++, budgetCount);
  PutNewItemRow(grid, row, budgetCount);
  return row + 1;
}

}  // namespace

void CBudgetWorksheet::SetUpExpenseGrid(GridEngine& grid, const GridFont& headingFont,
                                        int textHeight) const {
  SetUpWorksheetGrid(grid, headingFont, 2 * textHeight + 5);
  grid.SendMessage(GM_SETCOLWIDTH, 0, 0);
  grid.SendMessage(GM_SETCOLWIDTH, 1, 175);
  grid.SendMessage(GM_SETCOLWIDTH, 2, 75);
  // "*" also keeps the hidden column from being dragged open.
  PutGridCell(grid, 0, 0, "*", true);
  PutGridCell(grid, 0, 1, "Item", true);
  PutGridCell(grid, 0, 2, "Total Cost", true);
  grid.SendMessage(GM_SETCOLAUTOWIDTH, 1);
  int col = 3;
  for (const CCropBudget* budget = budgets.get(); budget; budget = budget->next.get(), ++col) {
    // Budgets beyond the slots take no share; their column says so.
    const char* suffix = col - 3 < MAX_ALLOCATIONS ? "\nDistribution" : "\n(not distributed)";
    PutGridCell(grid, 0, col, BudgetColumnName(*budget, col - 3, "Budget ") + suffix, true);
  }
  PutGridCell(grid, 0, col, "Total\nDistributions", true);
  grid.SendMessage(GM_SETCOLAUTOWIDTH, 0);
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
}

void CBudgetWorksheet::FillExpenseGrid(GridEngine& grid) const {
  const int n = CountBudgets();
  int row = 1;
  PutSectionRow(grid, row++, "OPERATING COSTS", n + 3);
  row = PutList(grid, lists.pOperatingExpenses.get(), row, n);
  PutSectionRow(grid, row++, "OWNERSHIP COSTS", n + 3);
  row = PutList(grid, lists.pOwnershipExpenses.get(), row, n);
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(row - 1),
                   static_cast<std::intptr_t>(n + 3));
}

std::unique_ptr<CExpenseLne>* CBudgetWorksheet::GetExpenseRowLink(int row) {
  const int operating = ChainLength(lists.pOperatingExpenses);
  if (row >= kFirstLineRow && row <= kFirstLineRow + operating) {
    return SlotAt(lists.pOperatingExpenses, row - kFirstLineRow);
  }
  const int firstOwnership = kFirstLineRow + operating + 2;
  if (row >= firstOwnership && row <= firstOwnership + ChainLength(lists.pOwnershipExpenses)) {
    return SlotAt(lists.pOwnershipExpenses, row - firstOwnership);
  }
  return nullptr;
}

int CBudgetWorksheet::HandleExpenseRowOperation(int command, GridEngine& grid) {
  ListRowCommand request;
  request.command = command;
  request.budgetCount = CountBudgets();
  request.lastEditableColumn = 2 + SlotsInUse(request.budgetCount);
  request.recordFormat = kFormatExpense;
  return RunListRowCommand<CExpenseLne>(
      request, grid, [this](int row) { return GetExpenseRowLink(row); },
      "NULL pParent pointer in CCropBudget::HandleExpenseRowOperation");
}
