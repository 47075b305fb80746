#include "reports/budget_text.h"

#include "text/number_text.h"
#include "model/crop_budget.h"
#include "text/money.h"

namespace {

constexpr std::size_t kBytesPerLine = 390;
constexpr std::size_t kFixedBytes = 1024;

void AppendSectionRows(std::string& text, const CCropBudget& budget, int section) {
  for (const CBudgetLine* line = budget.sections[section].get(); line; line = line->next.get()) {
    line->GetRowText(text, budget);
    text += '\n';
  }
}

// A totals line: the two amounts stand under "Total Value" and "Value per Herd Unit".
void AppendTotalsLine(std::string& text, const char* label, double total, double perUnit) {
  text.append(label).append("\t\t\t\t\t");
  text.append(FormatMoney(total)).append("\t").append(FormatMoney(perUnit)).append("\n");
}

}  // namespace

std::string RenderBudgetText(CCropBudget& budget) {
  double returns = 0, costs = 0, net = 0;
  budget.GetNetReturns(&returns, &costs, &net);
  const SectionTotals totals = budget.GetSectionTotals(false);
  const SectionTotals perUnit = budget.GetSectionTotals(true);

  std::string text;
  text.reserve(kFixedBytes + kBytesPerLine * static_cast<std::size_t>(budget.CountLines(3)));
  if (!budget.publicationId.empty())
    text.append("Budget / Publication ID:  ").append(budget.publicationId).append("\n");
  if (!budget.title.empty()) text.append(budget.title).append("\n");
  if (budget.numUnits >= 0)
    text.append("Number of Acres: ").append(FormatInt(budget.numUnits)).append("\n");
  if (!budget.footnote.empty()) text.append(budget.footnote).append("\n");
  text.append("\n");
  text.append(
      "Item\tProduction or Weight per Animal\tUnits\tTotal Number of Head/Units\t"
      "Price/Cost per Unit\tTotal Value\tValue per Herd Unit\n");

  text.append("VALUE OF PRODUCTION\n");
  AppendSectionRows(text, budget, kSectionReturns);
  AppendTotalsLine(text, "Gross Returns", totals.returns, perUnit.returns);
  text.append("\n");

  text.append("OPERATING COSTS\n");
  AppendSectionRows(text, budget, kSectionOperating);
  AppendTotalsLine(text, "Total Operating Costs", totals.operating, perUnit.operating);
  text.append("\n");

  text.append("OWNERSHIP COSTS\n");
  AppendSectionRows(text, budget, kSectionOwnership);
  AppendTotalsLine(text, "Total Ownership Costs", totals.ownership, perUnit.ownership);
  text.append("\n");

  const double perUnitCosts = perUnit.operating + perUnit.ownership;
  AppendTotalsLine(text, "Total Costs", costs, perUnitCosts);
  AppendTotalsLine(text, "NET RETURNS", net, perUnit.returns - perUnitCosts);
  return text;
}
