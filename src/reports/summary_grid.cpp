#include "reports/summary_grid.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "model/grid_cells.h"
#include "reports/operating_cost_categories.h"
#include "reports/summary_figures.h"
#include "text/money.h"

namespace {

constexpr int kWholeFarmColumns = 5;
constexpr int kOperatingColumns = 2;

void SetSize(GridEngine& grid, int lastRow, int columns) {
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(lastRow),
                   static_cast<std::uintptr_t>(columns));
}

void PutAmounts(GridEngine& grid, int row, double revenue, double costs, double net) {
  PutGridCell(grid, row, 3, FormatMoney(revenue), true);
  PutGridCell(grid, row, 4, FormatMoney(costs), true);
  PutGridCell(grid, row, 5, FormatMoney(net), true);
}

}  // namespace

void FillWholeFarmSummary(CBudgetWorksheet& worksheet, GridEngine& grid) {
  static constexpr std::array<std::string_view, kWholeFarmColumns + 1> kTitles = {
      "*", "Livestock Budget", "Number of Herd Units", "Total\nRevenue", "Total\nCosts",
      "Net\nReturns"};
  for (int col = 0; col <= kWholeFarmColumns; ++col)
    PutGridCell(grid, 0, col, kTitles[static_cast<std::size_t>(col)], false);

  const WholeFarmSummary summary = SummarizeBudgets(worksheet);
  // The TOTAL row takes the grid's last row when the budgets would pass it.
  const std::size_t shown =
      std::min(summary.budgets.size(), static_cast<std::size_t>(kGridMaxRows - 1));
  int row = 1;
  for (std::size_t k = 0; k < shown; ++k, ++row) {
    const BudgetSummary& budget = summary.budgets[k];
    PutGridCell(grid, row, 0, {}, true);
    PutGridCell(grid, row, 1, budget.budget->GetFieldText(kIdcEditIdOrName), true);
    PutGridCell(grid, row, 2, budget.budget->GetFieldText(kIdcEditUnits), true);
    PutAmounts(grid, row, budget.revenue, budget.costs, budget.net);
  }
  PutGridCell(grid, row, 0, "*", true);
  PutGridCell(grid, row, 1, "TOTAL", true);
  PutGridCell(grid, row, 2, {}, true);
  PutAmounts(grid, row, summary.revenue, summary.costs, summary.net);
  SetSize(grid, row, kWholeFarmColumns);
}

void FillOperatingCostSummary(const CBudgetWorksheet& worksheet, GridEngine& grid) {
  PutGridCell(grid, 0, 0, "*", false);
  PutGridCell(grid, 0, 1, "Operating Cost Category\n(alphabetical order)", true);
  PutGridCell(grid, 0, 2, "Total", true);
  int row = 0;
  for (const CostCategory& category : OperatingCostCategories(worksheet)) {
    ++row;
    PutGridCell(grid, row, 0, {}, true);
    PutGridCell(grid, row, 1, category.name, true);
    PutGridCell(grid, row, 2, FormatMoney(category.total), true);
  }
  SetSize(grid, row, kOperatingColumns);
}
