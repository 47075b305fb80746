// The veterinary window's grid: the treatments, a row for a new one, and each
// budget's total.
#include <string>
#include <vector>

#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "farm/list_row_operation.h"
#include "grid/grid_engine.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "text/money.h"

void CBudgetWorksheet::SetUpVeterinaryGrid(GridEngine& grid, const GridFont& headingFont,
                                           int textHeight) const {
  SetUpWorksheetGrid(grid, headingFont, 2 * textHeight + 15);
  const int n = CountBudgets();
  struct Column {
    int col;
    int width;
    std::string title;
  };
  std::vector<Column> columns = {{0, 0, "*"},
                                 {1, 175, "Veterinary\nTreatments"},
                                 {2, 75, "Unit of\nMeasurement"},
                                 {3, 75, "Cost per Treatment or Unit"}};
  int k = 0;
  for (const CCropBudget* budget = budgets.get(); budget; budget = budget->next.get(), ++k) {
    const std::string name = BudgetColumnName(*budget, k, "Budget ");
    // Budgets beyond the slots have no counts; their column says so.
    const char* suffix = k < MAX_ALLOCATIONS ? "" : " (not counted)";
    columns.push_back({4 + k, 85, "# Treatments or Units " + name + suffix});
    columns.push_back({4 + n + k, 75, "Total Cost " + name});
  }
  for (const Column& column : columns) {
    grid.SendMessage(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(column.col), column.width);
    PutGridCell(grid, 0, column.col, column.title, true);
  }
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
}

void CBudgetWorksheet::FillVeterinaryGrid(GridEngine& grid) const {
  const int n = CountBudgets();
  int row = 1;
  for (const CVeterinaryCost* line = lists.pVeterinaryCosts.get(); line; line = line->next.get()) {
    line->FillGridRow(grid, row++, n);
  }
  // Open where a treatment's own cells are; budgets without slots take no count.
  PutGridCell(grid, row, 0, {}, false);
  PutGridCell(grid, row, 1, kNewItemText, false);
  for (int col = 2; col <= n + 3; ++col) PutGridCell(grid, row, col, {}, col > 3 + SlotsInUse(n));
  for (int k = 0; k < n; ++k) PutGridCell(grid, row, 4 + n + k, {}, true);
  ++row;
  PutGridCell(grid, row, 0, "*", true);
  PutGridCell(grid, row, 1, "Totals", true);
  for (int col = 2; col <= n + 3; ++col) PutGridCell(grid, row, col, {}, true);
  for (int k = 0; k < n; ++k) {
    const std::string total = k < MAX_ALLOCATIONS ? FormatMoney(GetVeterinaryTotal(k)) : "";
    PutGridCell(grid, row, 4 + n + k, total, true);
  }
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(row),
                   static_cast<std::intptr_t>(2 * n + 3));
}

std::unique_ptr<CVeterinaryCost>* CBudgetWorksheet::GetVeterinaryRowLink(int row) {
  if (row < 1) return nullptr;
  return SlotAt(lists.pVeterinaryCosts, row - 1);
}

int CBudgetWorksheet::HandleVeterinaryRowOperation(int command, GridEngine& grid) {
  ListRowCommand request;
  request.command = command;
  request.budgetCount = CountBudgets();
  request.lastEditableColumn = 3 + SlotsInUse(request.budgetCount);
  request.recordFormat = kFormatVeterinary;
  return RunListRowCommand<CVeterinaryCost>(
      request, grid, [this](int row) { return GetVeterinaryRowLink(row); },
      "NULL pParent pointer in CCropBudget::HandleVeterinaryRowOperation");
}
