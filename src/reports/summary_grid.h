#pragma once
// The summary tab's two views in the main window's grid. Every row but the
// column titles is read-only: the summary holds no data of its own.

class CBudgetWorksheet;
class GridEngine;

// A row per budget (ID, herd size, total revenue, costs, net returns) and the
// TOTAL row. Budgets beyond the grid's rows are left out of the rows, never out
// of the TOTAL. Brings each budget's operating interest row up to date first.
void FillWholeFarmSummary(CBudgetWorksheet& worksheet, GridEngine& grid);
// A row per operating cost category, in alphabetical order.
void FillOperatingCostSummary(const CBudgetWorksheet& worksheet, GridEngine& grid);
