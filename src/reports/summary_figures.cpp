#include "reports/summary_figures.h"

#include "document/worksheet.h"

WholeFarmSummary SummarizeBudgets(CBudgetWorksheet& worksheet) {
  WholeFarmSummary summary;
  summary.budgets.reserve(static_cast<std::size_t>(worksheet.CountBudgets()));
  for (CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    BudgetSummary& row = summary.budgets.emplace_back();
    row.budget = budget;
    budget->GetNetReturns(&row.revenue, &row.costs, &row.net);
    budget->GetPerUnitMargin(&row.revenuePerUnit, &row.operatingPerUnit, &row.marginPerUnit);
    if (budget->numUnits > 0) summary.units += budget->numUnits;
    summary.revenue += row.revenue;
    summary.costs += row.costs;
    summary.net += row.net;
  }
  return summary;
}

std::string SummaryLabel(const CCropBudget& budget) {
  std::string label = budget.GetFieldText(kIdcEditTitleOrPhone);
  if (!budget.publicationId.empty()) label += " (" + budget.publicationId + ")";
  return label;
}
