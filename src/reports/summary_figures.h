#pragma once
// What the whole-farm summaries say of each budget, taken once for the grid,
// the text and the Rich Text alike.

#include <cstdint>
#include <string>
#include <vector>

class CBudgetWorksheet;
class CCropBudget;

struct BudgetSummary {
  const CCropBudget* budget = nullptr;
  double revenuePerUnit = 0;
  double operatingPerUnit = 0;
  double marginPerUnit = 0;
  double revenue = 0;
  double costs = 0;
  double net = 0;
};

struct WholeFarmSummary {
  std::vector<BudgetSummary> budgets;  // in worksheet order
  // Animals or herd units of the budgets that have more than none; 64 bits, so
  // that many large herds never wrap round to a negative count.
  std::int64_t units = 0;
  double revenue = 0;
  double costs = 0;
  double net = 0;
};

// Brings each budget's operating interest row up to date first.
WholeFarmSummary SummarizeBudgets(CBudgetWorksheet& worksheet);

// The budget's title, or "Untitled Tab", followed by " (ID)" when it has an ID.
std::string SummaryLabel(const CCropBudget& budget);
