#include "farm/budget_column_name.h"

#include "model/crop_budget.h"

std::string BudgetColumnName(const CCropBudget& budget, int position,
                             std::string_view emptyPrefix) {
  if (!budget.publicationId.empty()) return budget.publicationId;
  return std::string(emptyPrefix) + std::to_string(position + 1);
}
